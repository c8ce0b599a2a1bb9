// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reading/vocabulary.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace tavrel {

// Why a birth date entry was refused.
enum class InputProblem { None, MissingName, BadFebruaryDay, BadThirtyDayMonthDay };

struct ValidationResult
{
    InputProblem problem = InputProblem::None;
    QString message; // the text shown to the user; empty when accepted
    bool focusName = false; // the name box should take the keyboard focus

    bool accepted() const { return problem == InputProblem::None; }
};

// Gregorian leap years: every fourth year, except centuries not divisible by 400.
constexpr bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Checks the input form's entries: the name as typed (not trimmed), the 0-based positions of the day
// and month lists and the year. The checks run in a fixed order and the first failure wins: name, February,
// thirty-day months.
ValidationResult ValidateInput(QStringView name, int dayPosition, int monthPosition, int year);

// The sun sign of a day and month, given as 0-based list positions (month 0 = January, day 0 = the 1st).
// Month positions outside 0 ... 10 count as December. Days that belong to no sign (30 and 31 February,
// 31 April, June, September, November) give no sign; validation refuses all of them.
std::optional<SunSign> FindSunSign(int monthPosition, int dayPosition);

} // namespace tavrel
