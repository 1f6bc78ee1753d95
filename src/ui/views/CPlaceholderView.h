#pragma once

#include <QWidget>

#include <functional>

class QLabel;

// Stands on the right of the main window for a view this version does not
// have yet, and says so plainly instead of showing an empty pane.
class CPlaceholderView : public QWidget {
    Q_OBJECT
public:
    CPlaceholderView(const QString& note, QWidget* parent = nullptr);

    // Adds a button under the note that does what the view can already offer.
    void AddAction(const QString& label, const std::function<void()>& action);

private:
    QLabel* m_note;
};
