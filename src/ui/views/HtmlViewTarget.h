#pragma once

#include "app/CommandTarget.h"

#include <QPointer>

class CSBHtmlView;

// Lets the browser view on the right take part in command routing through
// its own view-command pair. Without a view (another tab shows) it claims nothing.
class HtmlViewTarget : public CommandTarget {
public:
    void SetView(CSBHtmlView* view);

    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState& state) override;

private:
    QPointer<CSBHtmlView> m_view;
};
