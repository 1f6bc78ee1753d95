#pragma once

// Where the status-bar progress bar goes inside its pane: after the label, on
// the next 50-pixel step, either a fixed number of pixels wide (given as a
// negative width and clipped at the pane's edge) or a percentage of the rest
// of the pane, leaving a tenth of the pane's height free above and below.
class ProgressBarPlacement {
public:
    struct Rect {
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
        bool operator==(const Rect&) const = default;
    };

    static Rect Compute(const Rect& pane, int labelWidth, int width);
};
