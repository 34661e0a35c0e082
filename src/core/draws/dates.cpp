// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/draws/dates.h"

#include "core/texts/textlist.h"

#include <cmath>

namespace vendrilo {

namespace {
// 30.12.1899, day 0; a constant so that it is valid even during static initialisation.
constexpr QDate kEpoch = QDate::fromJulianDay(2415019);
// 01.01.0001 and 31.12.9999 as day numbers.
constexpr double kFirstCalendarDay = -693593.0;
constexpr double kLastCalendarDay = 2958465.0;
} // namespace

bool isCalendarDay(double day)
{
    return std::isfinite(day) && day >= kFirstCalendarDay && day < kLastCalendarDay + 1;
}

QDate dateFromDay(double day)
{
    // The guard comes first: converting a NaN or a huge double to an integer is undefined.
    if (!isCalendarDay(day))
        return {};
    return kEpoch.addDays(static_cast<qint64>(std::floor(day)));
}

double dayFromDate(const QDate& date)
{
    return static_cast<double>(kEpoch.daysTo(date));
}

double systemToday()
{
    return dayFromDate(QDate::currentDate());
}

QString formatDate(double day)
{
    const QDate d = dateFromDay(day);
    return d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : QStringLiteral("??.??.????");
}

QString formatLabelDate(double day)
{
    const QDate d = dateFromDay(day);
    if (!d.isValid())
        return QStringLiteral("?? ??.??.??");
    return textLocale().dayName(d.dayOfWeek(), QLocale::ShortFormat) + QLatin1Char(' ') +
           d.toString(QStringLiteral("dd.MM.yy"));
}

std::optional<double> parseDate(const QString& text)
{
    const QDate d = QDate::fromString(text.trimmed(), QStringLiteral("d.M.yyyy"));
    if (!d.isValid())
        return std::nullopt;
    // QDate also reads years before 1 ("-0914"), which no draw and no picker can have.
    const double day = dayFromDate(d);
    if (!isCalendarDay(day))
        return std::nullopt;
    return day;
}

int weekday(double day)
{
    if (!isCalendarDay(day))
        return 0;
    // Day 0 was a Saturday. Plain arithmetic: the draw-day filter asks this for every draw.
    const auto d = static_cast<long long>(std::floor(day));
    return static_cast<int>(((d + 5) % 7 + 7) % 7) + 1;
}

DatePicker::DatePicker(double date, double minimum) : m_date(date), m_minimum(minimum)
{
    if (m_date < m_minimum)
        m_date = m_minimum;
}

bool DatePicker::setDate(double day)
{
    if (!isCalendarDay(day) || day < m_minimum)
        return false;
    m_date = day;
    return true;
}

} // namespace vendrilo
