#include "ui/views/HtmlViewTarget.h"

#include "ui/views/CSBHtmlView.h"

void HtmlViewTarget::SetView(CSBHtmlView* view) {
    m_view = view;
}

bool HtmlViewTarget::OnCommand(int id) {
    return m_view != nullptr && m_view->OnViewCommand(id);
}

bool HtmlViewTarget::OnUpdateCommand(int id, CommandState& state) {
    bool enabled = false;
    if (m_view == nullptr || !m_view->OnUpdateViewCommand(id, enabled)) {
        return false;
    }
    state.enabled = enabled;
    return true;
}
