#include "ui/dialogs/DialogHelpPane.h"

namespace {

DialogHelpPane::Maker& CurrentMaker() {
    static DialogHelpPane::Maker maker;
    return maker;
}

} // namespace

void DialogHelpPane::SetMaker(Maker maker) {
    CurrentMaker() = std::move(maker);
}

bool DialogHelpPane::Available() {
    return static_cast<bool>(CurrentMaker());
}

QWidget* DialogHelpPane::Make(QWidget* parent) {
    return Available() ? CurrentMaker()(parent) : nullptr;
}
