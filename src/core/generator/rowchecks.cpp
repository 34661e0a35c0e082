#include "core/generator/rowchecks.h"

#include "core/charts/charts.h"

namespace vendrilo {

namespace {

// Positions in the option table, looked up once: the checks run for every candidate pass.
struct Ids {
    int CheckBox3, UpDown3, CheckBox24, UpDown9, CheckBox27, CheckBox8, CheckBox18, UpDown1,
        UpDown2, CheckBox4, UpDown4, CheckBox5, UpDown5, CheckBox23, UpDown11, CheckBox25, UpDown15,
        CheckBox26, UpDown16, CheckBox28, UpDown17, UpDown18, CheckBox34, UpDown20, UpDown21,
        CheckBox9, UpDown6, CheckBox22, UpDown10, CheckBox35;

    Ids()
    {
        auto id = [](const char* name) { return Options::indexOf(QString::fromLatin1(name)); };
        CheckBox3 = id("CheckBox3");
        UpDown3 = id("UpDown3");
        CheckBox24 = id("CheckBox24");
        UpDown9 = id("UpDown9");
        CheckBox27 = id("CheckBox27");
        CheckBox8 = id("CheckBox8");
        CheckBox18 = id("CheckBox18");
        UpDown1 = id("UpDown1");
        UpDown2 = id("UpDown2");
        CheckBox4 = id("CheckBox4");
        UpDown4 = id("UpDown4");
        CheckBox5 = id("CheckBox5");
        UpDown5 = id("UpDown5");
        CheckBox23 = id("CheckBox23");
        UpDown11 = id("UpDown11");
        CheckBox25 = id("CheckBox25");
        UpDown15 = id("UpDown15");
        CheckBox26 = id("CheckBox26");
        UpDown16 = id("UpDown16");
        CheckBox28 = id("CheckBox28");
        UpDown17 = id("UpDown17");
        UpDown18 = id("UpDown18");
        CheckBox34 = id("CheckBox34");
        UpDown20 = id("UpDown20");
        UpDown21 = id("UpDown21");
        CheckBox9 = id("CheckBox9");
        UpDown6 = id("UpDown6");
        CheckBox22 = id("CheckBox22");
        UpDown10 = id("UpDown10");
        CheckBox35 = id("CheckBox35");
    }
};

const Ids& ids()
{
    static const Ids table;
    return table;
}

RowCheckStep refuse(TipRow& candidate, RowCheckStep step)
{
    candidate.fill(0);
    return step;
}

// The candidate's numbers as bits. Its numbers differ, so each entry equals at most one of them
// and the pairs that match are the entries whose bit is set.
std::uint64_t maskOf(const TipRow& candidate)
{
    std::uint64_t mask = 0;
    for (const std::uint8_t c : candidate)
        if (c > 0 && c < 64)
            mask |= std::uint64_t(1) << c;
    return mask;
}

int overlap(std::uint64_t mask, const std::uint8_t* entries, int count)
{
    int shared = 0;
    for (int i = 0; i < count; ++i)
        shared += entries[i] < 64 ? static_cast<int>(mask >> entries[i] & 1) : 0;
    return shared;
}

} // namespace

RowCheckStep checkRow(TipRow& c, int QS, std::span<const TipRow> rows, const LastDraws& draws,
                      const Options& o, PastWinTests& pastWins)
{
    const Ids& id = ids();
    const std::uint64_t mask = maskOf(c);

    // 1. Overlap with the rows made before. Without CheckBox27 the limits judge the closest and
    //    the farthest row only; with it, every single row must lie within them.
    if (!rows.empty()) {
        const int most = o.valueAt(id.UpDown3);
        const int least = o.valueAt(id.UpDown9);
        const bool eachRow = o.checkedAt(id.CheckBox27);
        int minOv = 6;
        int maxOv = 0;
        bool violation = false;
        for (const TipRow& row : rows) {
            const int ov = overlap(mask, row.data(), 6);
            minOv = std::min(minOv, ov);
            maxOv = std::max(maxOv, ov);
            if (eachRow && (ov > most || ov < least))
                violation = true;
        }
        if ((most < minOv && o.checkedAt(id.CheckBox3)) ||
            (least > maxOv && o.checkedAt(id.CheckBox24)) || violation)
            return refuse(c, RowCheckStep::Overlap);
    }

    // 2. and 3. Consecutive numbers.
    if (o.checkedAt(id.CheckBox8)) {
        bool pair = false;
        for (int p = 0; p < 5; ++p)
            pair = pair || c[p + 1] == c[p] + 1;
        if (!pair)
            return refuse(c, RowCheckStep::ForcedPair);
    }
    if (o.checkedAt(id.CheckBox18)) {
        for (int p = 0; p < 4; ++p)
            if (c[p + 1] == c[p] + 1 && c[p + 2] == c[p + 1] + 1)
                return refuse(c, RowCheckStep::RunOfThree);
    }

    // 4. Cross sum.
    if (QS < o.valueAt(id.UpDown1) || QS > o.valueAt(id.UpDown2))
        return refuse(c, RowCheckStep::CrossSum);

    // 5.-7. Numbers of the last three draws; the bonus number counts with CheckBox35. A limit
    //       of 0 is left to the number pool, which then holds none of that draw's numbers.
    const bool bonusCounts = o.checkedAt(id.CheckBox35);
    const int n = bonusCounts ? 7 : 6;
    auto tooClose = [&](int box, int limit, const DrawBytes& draw) {
        const int most = o.valueAt(limit);
        return o.checkedAt(box) && most > 0 && overlap(mask, draw.data(), n) > most;
    };
    if (tooClose(id.CheckBox4, id.UpDown4, draws.A))
        return refuse(c, RowCheckStep::LastDraw);
    if (tooClose(id.CheckBox5, id.UpDown5, draws.B))
        return refuse(c, RowCheckStep::SecondToLastDraw);
    if (tooClose(id.CheckBox23, id.UpDown11, draws.C))
        return refuse(c, RowCheckStep::ThirdToLastDraw);

    // 8. and 9. Even and odd minimums.
    int odd = 0;
    for (const std::uint8_t x : c)
        odd += x & 1;
    if (o.checkedAt(id.CheckBox25) && 6 - odd < o.valueAt(id.UpDown15))
        return refuse(c, RowCheckStep::EvenMinimum);
    if (o.checkedAt(id.CheckBox26) && odd < o.valueAt(id.UpDown16))
        return refuse(c, RowCheckStep::OddMinimum);

    // 10. The database searches and the prime minimum all hang on CheckBox28.
    if (!o.checkedAt(id.CheckBox28))
        return RowCheckStep::Accepted;

    // 11. and 12. Past wins in the recent and the older window.
    if (!pastWins.dreierodervierer(c, o.valueAt(id.UpDown17), o.valueAt(id.UpDown18), bonusCounts))
        return refuse(c, RowCheckStep::RecentHits);
    if (o.checkedAt(id.CheckBox34) &&
        !pastWins.dreierodervierer(c, o.valueAt(id.UpDown20), o.valueAt(id.UpDown21), bonusCounts))
        return refuse(c, RowCheckStep::OlderHits);

    // 13. The whole period. A candidate wiped here stays wiped whatever the prime count says.
    if (o.checkedAt(id.CheckBox9) && c[0] != 0 &&
        !pastWins.Secheroderfuenfer(c, o.valueAt(id.UpDown6), bonusCounts))
        return refuse(c, RowCheckStep::WholeDatabase);

    // 14. Prime minimum.
    if (o.checkedAt(id.CheckBox22) && c[0] != 0 &&
        charts::primzahlen(c[0], c[1], c[2], c[3], c[4], c[5]) < o.valueAt(id.UpDown10))
        return refuse(c, RowCheckStep::PrimeMinimum);
    return RowCheckStep::Accepted;
}

} // namespace vendrilo
