#pragma once

#include <chrono>
#include <cstdint>

// When a menu applies: four conditions on a date, each 0 for "any". With a
// weekday, the day is the n-th occurrence of that weekday in the month.
class CMenuRule {
public:
    static constexpr int kDaysPerWeek = 7;

    CMenuRule() = default;
    CMenuRule(std::int32_t day, std::int32_t weekday, std::int32_t month, std::int32_t year)
        : m_day(day), m_weekday(weekday), m_month(month), m_year(year) {}

    std::int32_t Day() const { return m_day; }
    std::int32_t Weekday() const { return m_weekday; }
    std::int32_t Month() const { return m_month; }
    std::int32_t Year() const { return m_year; }

    // The weekday counts 1 for Sunday to 7 for Saturday.
    bool MatchesDate(const std::chrono::year_month_day& date) const;

    bool operator==(const CMenuRule&) const = default;

private:
    bool MatchesDay(int dayOfMonth, int weekday) const;

    std::int32_t m_day = 0;
    std::int32_t m_weekday = 0;
    std::int32_t m_month = 0;
    std::int32_t m_year = 0;
};
