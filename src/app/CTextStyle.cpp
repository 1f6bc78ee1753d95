#include "app/CTextStyle.h"

int CTextStyle::HtmlSize() const {
    if (Size <= 0) {
        return 3;
    }
    if (Size <= 7) {
        return Size;
    }
    struct Step {
        int upTo;
        int htmlSize;
    };
    static constexpr Step kSteps[] = {{80, 1}, {100, 2}, {130, 3}, {160, 4}, {200, 5}, {300, 6}};
    for (const auto& step : kSteps) {
        if (Size <= step.upTo) {
            return step.htmlSize;
        }
    }
    return 7;
}
