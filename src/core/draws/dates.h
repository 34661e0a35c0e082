// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>

#include <functional>
#include <optional>

namespace vendrilo {

// Dates are day counts since 30.12.1899 (day 0), held in a double; draws are whole days.
inline constexpr double kPickerMinDate = 34657.0; // 19.11.1994, the earliest date the pickers take

// The date for a day number; an invalid date for a day that no calendar date has (not finite, or
// outside the years 1 to 9999), as a damaged record may hold.
QDate dateFromDay(double day);
double dayFromDate(const QDate& date);
// True for a day number that is a real calendar date.
bool isCalendarDay(double day);

// What the program takes as today. The window and the command line start from the system date;
// tests and the command line's --today fix it, so that no result depends on the day it is run.
using Clock = std::function<double()>;
double systemToday();

// "dd.mm.yyyy"; "??.??.????" for a day that is no calendar date
QString formatDate(double day);
// "DDD dd.mm.yy": the weekday abbreviated as the language of the texts names it (the system's
// locale unless the window chose a language), then day, month, two-digit year
QString formatLabelDate(double day);
// "dd.mm.yyyy" (one-digit day and month accepted); nothing when the text is no valid date
std::optional<double> parseDate(const QString& text);
// 1 = Monday .. 7 = Sunday; 0 for a day that is no calendar date
int weekday(double day);

// A date picker with a lower limit: a date below it (or no valid date) is refused and the
// picker keeps its date.
class DatePicker {
public:
    explicit DatePicker(double date = 0, double minimum = kPickerMinDate);
    double date() const { return m_date; }
    double minimum() const { return m_minimum; }
    // True when the picker took the date.
    bool setDate(double day);

    bool operator==(const DatePicker&) const = default;

private:
    double m_date;
    double m_minimum;
};

} // namespace vendrilo
