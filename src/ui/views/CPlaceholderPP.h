#pragma once

#include "ui/dialogs/CCmdPP.h"

// A page of the navigation pane whose part is not built yet: it says so and
// handles no command, so the commands it would carry stay disabled.
class CPlaceholderPP : public CCmdPP {
    Q_OBJECT
public:
    CPlaceholderPP(int templateId, const QString& caption, QWidget* parent = nullptr);
};
