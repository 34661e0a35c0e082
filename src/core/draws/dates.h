#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace vendrilo {

// Dates are day counts since 30.12.1899 (day 0), held in a double; draws are whole days.
inline constexpr double kPickerMinDate = 34657.0; // 19.11.1994, the earliest date the pickers take

QDate dateFromDay(double day);
double dayFromDate(const QDate& date);
double today();

// "dd.mm.yyyy"
QString formatDate(double day);
// "DDD dd.mm.yy": abbreviated weekday of the user's locale, then day, month, two-digit year
QString formatLabelDate(double day);
// "dd.mm.yyyy" (one-digit day and month accepted); nothing when the text is no valid date
std::optional<double> parseDate(const QString& text);
// 1 = Monday .. 7 = Sunday
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

private:
    double m_date;
    double m_minimum;
};

} // namespace vendrilo
