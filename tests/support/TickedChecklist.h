#pragma once

#include "app/BookChecklist.h"

// A book checklist the user confirms as offered.
class TickedChecklist : public BookChecklist {
public:
    std::optional<std::vector<bool>> ChooseBooks(std::string_view, const std::vector<std::string>&,
                                                 const std::vector<bool>& ticked) override {
        return ticked;
    }
};
