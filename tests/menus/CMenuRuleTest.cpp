#include "menus/CMenuRule.h"

#include <gtest/gtest.h>

using namespace std::chrono;

namespace {

struct RuleCase {
    const char* name;
    CMenuRule rule;
    year_month_day date;
    bool matches;
};

// 2024-01-01 and 2024-04-01 were Mondays; 2024 is a leap year, 2023 and 2100 are not.
const RuleCase kCases[] = {
    {"all zeros matches any day", {0, 0, 0, 0}, 2024y / February / 29d, true},
    {"all zeros matches the last day of a year", {0, 0, 0, 0}, 1999y / December / 31d, true},
    {"first Monday on the 1st", {1, 2, 0, 0}, 2024y / January / 1d, true},
    {"first Monday on the 7th", {1, 2, 0, 0}, 2024y / October / 7d, true},
    {"first Monday not on the 8th", {1, 2, 0, 0}, 2024y / January / 8d, false},
    {"Monday rule not on a Tuesday", {1, 2, 0, 0}, 2024y / January / 2d, false},
    {"fifth Monday in a month that has one", {5, 2, 0, 0}, 2024y / January / 29d, true},
    {"no fifth Monday in February 2023", {5, 2, 0, 0}, 2023y / February / 27d, false},
    {"fifth Thursday of leap February 2024", {5, 5, 0, 0}, 2024y / February / 29d, true},
    {"second Tuesday", {2, 3, 0, 0}, 2024y / January / 9d, true},
    {"second Tuesday is not the third", {2, 3, 0, 0}, 2024y / January / 16d, false},
    {"sixth weekday never matches", {6, 2, 0, 0}, 2024y / January / 29d, false},
    {"any Saturday", {0, 7, 0, 0}, 2024y / March / 2d, true},
    {"any Sunday", {0, 1, 0, 0}, 2024y / March / 3d, true},
    {"Sunday rule on a Saturday", {0, 1, 0, 0}, 2024y / March / 2d, false},
    {"day 31 in a long month", {31, 0, 0, 0}, 2024y / March / 31d, true},
    {"day 31 never on the 30th of a short month", {31, 0, 0, 0}, 2024y / April / 30d, false},
    {"day 31 on the 1st after a short month", {31, 0, 0, 0}, 2024y / May / 1d, false},
    {"29 February in a leap year", {29, 0, 2, 0}, 2024y / February / 29d, true},
    {"29 February rule on 1 March of a common year", {29, 0, 2, 0}, 2023y / March / 1d, false},
    {"Christmas every year", {25, 0, 12, 0}, 2031y / December / 25d, true},
    {"Christmas not on Boxing Day", {25, 0, 12, 0}, 2031y / December / 26d, false},
    {"Christmas not in November", {25, 0, 12, 0}, 2031y / November / 25d, false},
    {"year 2005 on its first day", {0, 0, 0, 2005}, 2005y / January / 1d, true},
    {"year 2005 on its last day", {0, 0, 0, 2005}, 2005y / December / 31d, true},
    {"year 2005 not in 2006", {0, 0, 0, 2005}, 2006y / January / 1d, false},
    {"one fixed date", {14, 0, 7, 2024}, 2024y / July / 14d, true},
    {"one fixed date a year later", {14, 0, 7, 2024}, 2025y / July / 14d, false},
    {"fourth Friday of December", {4, 6, 12, 0}, 2024y / December / 27d, true},
    {"an impossible date never matches", {0, 0, 0, 0}, 2100y / February / 29d, false},
    {"weekday out of range never matches", {0, 9, 0, 0}, 2024y / January / 1d, false},
};

} // namespace

TEST(CMenuRule, MatchesTheDaysOfItsRule) {
    for (const RuleCase& c : kCases) {
        EXPECT_EQ(c.rule.MatchesDate(c.date), c.matches) << c.name;
    }
}

TEST(CMenuRule, FirstMondayRuleMatchesOnlyTheFirstSevenDays) {
    const CMenuRule firstMonday(1, 2, 0, 0);
    int matches = 0;
    for (sys_days day = sys_days(2024y / January / 1d); day < sys_days(2025y / January / 1d); day += days(1)) {
        const year_month_day date(day);
        if (firstMonday.MatchesDate(date)) {
            ++matches;
            EXPECT_LE(static_cast<unsigned>(date.day()), 7U);
        }
    }
    EXPECT_EQ(matches, 12);
}
