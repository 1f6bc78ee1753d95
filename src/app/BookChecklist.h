#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The check list of open books that Save shows when more than one is open.
class BookChecklist {
public:
    virtual ~BookChecklist() = default;

    // The ticks the user leaves, one per title; none when the user cancels.
    virtual std::optional<std::vector<bool>> ChooseBooks(std::string_view title, const std::vector<std::string>& titles,
                                                         const std::vector<bool>& ticked) = 0;
};
