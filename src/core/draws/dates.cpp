#include "core/draws/dates.h"

#include <QLocale>

#include <cmath>

namespace vendrilo {

namespace {
// 30.12.1899, day 0; a constant so that it is valid even during static initialisation.
constexpr QDate kEpoch = QDate::fromJulianDay(2415019);
} // namespace

QDate dateFromDay(double day)
{
    return kEpoch.addDays(static_cast<qint64>(std::floor(day)));
}

double dayFromDate(const QDate& date)
{
    return static_cast<double>(kEpoch.daysTo(date));
}

double today()
{
    return dayFromDate(QDate::currentDate());
}

QString formatDate(double day)
{
    return dateFromDay(day).toString(QStringLiteral("dd.MM.yyyy"));
}

QString formatLabelDate(double day)
{
    const QDate d = dateFromDay(day);
    return QLocale::system().dayName(d.dayOfWeek(), QLocale::ShortFormat) + QLatin1Char(' ') +
           d.toString(QStringLiteral("dd.MM.yy"));
}

std::optional<double> parseDate(const QString& text)
{
    const QDate d = QDate::fromString(text.trimmed(), QStringLiteral("d.M.yyyy"));
    if (!d.isValid())
        return std::nullopt;
    return dayFromDate(d);
}

int weekday(double day)
{
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
    if (!std::isfinite(day) || day < m_minimum || !dateFromDay(day).isValid())
        return false;
    m_date = day;
    return true;
}

} // namespace vendrilo
