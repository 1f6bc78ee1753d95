#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QWidget>

class QLabel;
class QProgressBar;
class QStatusBar;

// The progress bar of long work, shown in the first pane of the status bar
// behind a label. While the work runs on the window's own thread, moving the
// bar lets the window repaint now and then. The newest one is the current
// one; destroying it gives the pane back its idle text.
class CProgressBar : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kIdleText = "For Help, press F1";

    // width: percent of the room after the label, or -pixels for a fixed width.
    CProgressBar(QStatusBar* statusBar, const QString& label, int range, int width = 100, bool smooth = true);
    ~CProgressBar() override;

    static CProgressBar* Current();

    void SetPos(int position);
    void StepIt() { SetPos(Position() + 1); }
    int Position() const;
    QProgressBar* Bar() const { return m_bar; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Place();
    void KeepPainting();

    QStatusBar* m_statusBar;
    QLabel* m_label;
    QProgressBar* m_bar;
    int m_width;
    QElapsedTimer m_sincePaint;
};
