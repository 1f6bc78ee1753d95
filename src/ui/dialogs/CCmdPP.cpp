#include "ui/dialogs/CCmdPP.h"

void CCmdPP::SetActive(bool active) {
    if (active == m_active) {
        return;
    }
    m_active = active;
    if (active) {
        OnSetActive();
    } else {
        OnKillActive();
    }
}
