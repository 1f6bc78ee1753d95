#pragma once

#include <functional>

class QWidget;

// What a dialog asks of the embedded help pane behind its "Help >>" button.
// The pane is a widget that also implements this; until a maker is installed
// the button stays disabled.
class DialogHelpPane {
public:
    using Maker = std::function<QWidget*(QWidget* parent)>;

    virtual ~DialogHelpPane() = default;
    virtual void ShowTopic(int contextId) = 0;

    static void SetMaker(Maker maker);
    static bool Available();
    // A new pane as a child of parent; null when none can be made.
    static QWidget* Make(QWidget* parent);
};
