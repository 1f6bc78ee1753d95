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
    // Moves on by the step (1 unless set).
    void StepIt() { SetPos(Position() + m_step); }
    int Position() const;
    // The bar runs from 0 to range.
    void SetRange(int range);
    void SetStep(int step) { m_step = step; }
    // A new label for the next stage of the work; the bar moves to follow it.
    void SetText(const QString& label);
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
    int m_step = 1;
    QElapsedTimer m_sincePaint;
};
