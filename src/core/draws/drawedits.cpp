// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/draws/drawedits.h"

#include "core/draws/dates.h"
#include "core/texts/textlist.h"

#include <algorithm>
#include <cmath>

namespace vendrilo {

namespace {

// A stored date may carry a time of day; a draw's day is its whole part.
double dayOf(double date)
{
    return std::floor(date);
}

std::array<std::uint8_t, 6> sorted(std::array<std::uint8_t, 6> numbers)
{
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

} // namespace

std::optional<DrawRecord> entryTemplate(const std::vector<DrawRecord>& records, double day)
{
    for (const DrawRecord& r : records)
        if (dayOf(r.date) == dayOf(day))
            return r;
    if (records.empty())
        return std::nullopt;
    return records.back();
}

double wednesdayCutOff()
{
    return *parseDate(QStringLiteral("04.06.1986"));
}

std::vector<DrawRecord> withEnteredDraw(const std::vector<DrawRecord>& records, DrawRecord entered)
{
    entered.numbers = sorted(entered.numbers);
    entered.date = dayOf(entered.date);
    // A day after every stored draw is simply added; comparing with the newest stored day (not
    // the day the window last searched for) keeps the file in date order whatever was shown.
    double newest = -1e9;
    for (const DrawRecord& r : records)
        newest = std::max(newest, dayOf(r.date));
    std::vector<DrawRecord> out;
    if (records.empty() || entered.date > newest) {
        out = records;
        out.push_back(entered);
        return out;
    }
    const double cutOff = wednesdayCutOff();
    bool written = false;
    for (const DrawRecord& r : records) {
        if (r.date < cutOff && weekday(r.date) == 3)
            continue; // no Wednesday draws before June 1986
        if (!written && dayOf(r.date) >= entered.date) {
            out.push_back(entered);
            written = true;
        }
        if (dayOf(r.date) != entered.date)
            out.push_back(r);
    }
    if (!written)
        out.push_back(entered);
    return out;
}

std::vector<DrawRecord> withoutDrawsOf(const std::vector<DrawRecord>& records, double day)
{
    std::vector<DrawRecord> out;
    std::copy_if(records.begin(), records.end(), std::back_inserter(out),
                 [day](const DrawRecord& r) { return r.date != day; });
    return out;
}

} // namespace vendrilo
