#include "menus/CMenuRule.h"

bool CMenuRule::MatchesDate(const std::chrono::year_month_day& date) const {
    if (!date.ok()) {
        return false;
    }
    if (m_year != 0 && m_year != static_cast<int>(date.year())) {
        return false;
    }
    if (m_month != 0 && m_month != static_cast<int>(static_cast<unsigned>(date.month()))) {
        return false;
    }
    const int weekday = static_cast<int>(std::chrono::weekday(std::chrono::sys_days(date)).c_encoding()) + 1;
    return MatchesDay(static_cast<int>(static_cast<unsigned>(date.day())), weekday);
}

bool CMenuRule::MatchesDay(int dayOfMonth, int weekday) const {
    if (m_weekday == 0) {
        return m_day == 0 || m_day == dayOfMonth;
    }
    if (m_weekday != weekday) {
        return false;
    }
    return m_day == 0 || (dayOfMonth - 1) / kDaysPerWeek + 1 == m_day;
}
