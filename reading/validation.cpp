// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/validation.h"

#include <array>

namespace tavrel {

namespace {

constexpr int February = 1;
constexpr std::array<int, 4> ThirtyDayMonths{3, 5, 8, 10}; // April, June, September, November

} // namespace

ValidationResult ValidateInput(QStringView name, int dayPosition, int monthPosition, int year)
{
    if (name.isEmpty())
        return {InputProblem::MissingName, QStringLiteral("Please Enter  Your Name !"), true};

    if (monthPosition == February) {
        const int lastDayPosition = isLeapYear(year) ? 28 : 27;
        if (dayPosition > lastDayPosition)
            return {InputProblem::BadFebruaryDay, QStringLiteral("Please Enter Correct Date Or Month!"), false};
    }

    for (const int month : ThirtyDayMonths) {
        if (monthPosition == month && dayPosition == 30)
            return {InputProblem::BadThirtyDayMonthDay, QStringLiteral("Please Enter Correct Date Or Month !"), false};
    }
    return {};
}

std::optional<SunSign> FindSunSign(int monthPosition, int dayPosition)
{
    struct MonthSigns
    {
        SunSign first;
        int firstLastDay; // last day position of the first sign
        SunSign second;
        int secondLastDay; // last day position of the second sign
    };
    using enum SunSign;
    static constexpr std::array<MonthSigns, 12> months{{
        {Capricorn, 18, Aquarius, 30}, // January
        {Aquarius, 17, Pisces, 28}, // February
        {Pisces, 19, Aries, 30}, // March
        {Aries, 19, Taurus, 29}, // April
        {Taurus, 19, Gemini, 30}, // May
        {Gemini, 19, Cancer, 29}, // June
        {Cancer, 19, Leo, 30}, // July
        {Leo, 19, Virgo, 30}, // August
        {Virgo, 19, Libra, 29}, // September
        {Libra, 19, Scorpio, 30}, // October
        {Scorpio, 19, Sagittarius, 29}, // November
        {Sagittarius, 19, Capricorn, 30} // December
    }};
    const MonthSigns &m = months[(monthPosition >= 0 && monthPosition <= 10) ? monthPosition : 11];
    if (dayPosition >= 0 && dayPosition <= m.firstLastDay)
        return m.first;
    if (dayPosition > m.firstLastDay && dayPosition <= m.secondLastDay)
        return m.second;
    return std::nullopt;
}

} // namespace tavrel
