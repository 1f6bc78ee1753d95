#include "ui/controls/ProgressBarPlacement.h"

#include <algorithm>

namespace {

constexpr int kStep = 50;

} // namespace

ProgressBarPlacement::Rect ProgressBarPlacement::Compute(const Rect& pane, int labelWidth, int width) {
    const int left = pane.left + (std::max(0, labelWidth) / kStep + 1) * kStep;
    const int room = std::max(0, pane.left + pane.width - left);
    const int barWidth = width < 0 ? std::min(-width, room) : room * std::min(width, 100) / 100;
    const int margin = pane.height / 10;
    return {left, pane.top + margin, barWidth, pane.height - 2 * margin};
}
