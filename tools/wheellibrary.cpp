// SPDX-License-Identifier: GPL-3.0-or-later
// vendrilo-wheellibrary FOLDER [--known FILE] [--guarantees 3if3,4if4] [--from N] [--to N]
//                       [--seconds S] [--seed N]
// Searches the wheels of the shipped library and writes them into FOLDER (data/wheels), one
// file per guarantee. A wheel already in FOLDER is the start of the search and is replaced only
// by a smaller one that passes the exhaustive check, so the tool can be run again and again to
// improve the library. With --known (the table of best known coverings) a "t if t" search
// stops when it reaches the best known size. Each search ends after S CPU-seconds (default 60)
// or earlier when it has found nothing smaller for a quarter of that and for as long as it took
// to find its best.
#include "core/io/atomicfile.h"
#include "core/wheels/bestknown.h"
#include "core/wheels/constructions.h"
#include "core/wheels/coveringsearch.h"
#include "core/wheels/libraryfile.h"
#include "core/wheels/wheelcheck.h"
#include "core/wheels/wheellibrary.h"
#include "core/wheels/wheelmaker.h"
#include "wheelreport.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <ctime>

using namespace vendrilo;
using namespace vendrilo::wheels;

namespace {

struct Settings {
    QString folder;
    QString report; // --report FILE: the comparison table written into FILE
    std::map<QString, LibraryEntries> library; // every guarantee's file in FOLDER, by code
    KnownCoverings known;
    QList<Guarantee> guarantees;
    int from = kLibraryMinNumbers;
    int to = kLibraryMaxNumbers;
    double seconds = 60;
    std::uint64_t seed = 1;
};

double cpuSeconds()
{
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

// A start better than the greedy one where algebra knows a good design nearby.
std::vector<Mask> constructedStart(const Guarantee& g, int n)
{
    if (g == Guarantee::ifOf(3, 3) && n >= 19 && n <= 22)
        return onFewerPositions(steinerSystem22(), n);
    if (g == Guarantee::ifOf(3, 3) && n >= 23 && n <= 26)
        return onFewerPositions(inversivePlane26(), n);
    return {};
}

// The smallest covering a search finds from `start` within the time rules.
std::vector<Mask> search(const Settings& settings, const Guarantee& g, int n,
                         const std::vector<Mask>& start, int goal)
{
    const double begin = cpuSeconds();
    double lastGain = 0;
    int best = 0;
    SearchOptions options;
    options.start = start;
    options.goalRows = goal;
    options.seed = settings.seed + static_cast<std::uint64_t>(n);
    options.progress = [&](const SearchProgress& p) {
        const double spent = cpuSeconds() - begin;
        if (p.bestRows != best) {
            best = p.bestRows;
            lastGain = spent;
        }
        if (p.bestRows > kLibraryMaxRows && spent > settings.seconds / 4)
            return false; // far beyond what the library ships
        return spent < settings.seconds &&
               spent - lastGain < std::max(settings.seconds / 4, lastGain);
    };
    return searchCovering({n, g.hits, g.of}, options);
}

// The size at which a search may stop: the best known one, else the counting bound.
int goalFor(const Settings& settings, const Guarantee& g, int n)
{
    if (g.hits == g.of) {
        const auto known = settings.known.find({n, g.hits});
        if (known != settings.known.end())
            return known->second.bestKnown;
    }
    return static_cast<int>(std::max<std::uint64_t>(1, countingBound(n, g.hits, g.of)));
}

// No wheel can have few enough rows for the library.
bool beyondLibrary(const Settings& settings, const Guarantee& g, int n)
{
    int bound = static_cast<int>(countingBound(n, g.hits, g.of));
    if (const auto known = settings.known.find({n, g.hits});
        g.hits == g.of && known != settings.known.end())
        bound = std::max(bound, known->second.lowerBound);
    return bound > kLibraryMaxRows;
}

// The smallest covering at hand: the library's, an algebraic design nearby, or library wheels
// on parts of the numbers.
std::vector<Mask> startFor(const Settings& settings, const Guarantee& g, int n)
{
    std::vector<std::vector<Mask>> candidates;
    const LibraryEntries& entries = settings.library.at(g.code());
    if (const auto present = entries.find(n); present != entries.end())
        candidates.push_back(present->second);
    candidates.push_back(constructedStart(g, n));
    const LibraryLookup lookup = [&](int size, const Guarantee& part) {
        std::optional<std::vector<Mask>> rows;
        const auto file = settings.library.find(part.code());
        if (file != settings.library.end())
            if (const auto it = file->second.find(size); it != file->second.end())
                rows = it->second;
        return rows;
    };
    if (auto parts = smallestWheelOnParts(n, g, lookup))
        candidates.push_back(std::move(*parts));
    std::vector<Mask> best;
    for (auto& rows : candidates)
        if (!rows.empty() && !findUncovered(n, rows, g.hits, g.of) &&
            (best.empty() || rows.size() < best.size()))
            best = std::move(rows);
    return best;
}

bool improve(Settings& settings, const Guarantee& g, int n)
{
    LibraryEntries& entries = settings.library[g.code()];
    if (beyondLibrary(settings, g, n))
        return false;
    const auto present = entries.find(n);
    const int goal = goalFor(settings, g, n);
    std::vector<Mask> start = startFor(settings, g, n);
    if (!start.empty() && static_cast<int>(start.size()) <= goal) {
        std::printf("%s n=%d: %zu rows, the goal\n", qPrintable(g.code()), n, start.size());
        const bool better = present == entries.end() || start.size() < present->second.size();
        if (better)
            entries[n] = start;
        return better;
    }
    const double begin = cpuSeconds();
    const std::vector<Mask> found = search(settings, g, n, start, goal);
    const bool checked = !found.empty() && !findUncovered(n, found, g.hits, g.of);
    const bool better = checked && found.size() <= static_cast<std::size_t>(kLibraryMaxRows) &&
                        (present == entries.end() || found.size() < present->second.size());
    std::printf("%s n=%d: %zu rows%s (goal %d, before %zu) in %.1f s\n", qPrintable(g.code()), n,
                found.size(), checked ? "" : " FAILED THE CHECK", goal,
                present != entries.end() ? present->second.size() : 0, cpuSeconds() - begin);
    std::fflush(stdout);
    if (better)
        entries[n] = found;
    return better;
}

bool parseArguments(const QStringList& args, Settings& settings)
{
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        const QString value = i + 1 < args.size() ? args[i + 1] : QString();
        if (a == QLatin1String("--known")) {
            QFile file(value);
            if (!file.open(QIODevice::ReadOnly))
                return false;
            auto known = parseKnownCoverings(QString::fromUtf8(file.readAll()));
            if (!known)
                return false;
            settings.known = *known;
        } else if (a == QLatin1String("--guarantees")) {
            settings.guarantees.clear();
            for (const QString& code : value.split(u','))
                if (const auto g = Guarantee::parse(code))
                    settings.guarantees << *g;
        } else if (a == QLatin1String("--from")) {
            settings.from = value.toInt();
        } else if (a == QLatin1String("--to")) {
            settings.to = value.toInt();
        } else if (a == QLatin1String("--seconds")) {
            settings.seconds = value.toDouble();
        } else if (a == QLatin1String("--report")) {
            settings.report = value;
        } else if (a == QLatin1String("--seed")) {
            settings.seed = value.toULongLong();
        } else if (settings.folder.isEmpty() && !a.startsWith(u'-')) {
            settings.folder = a;
            continue;
        } else {
            return false;
        }
        ++i;
    }
    return !settings.folder.isEmpty();
}

// Every guarantee's file in the folder, so that wheels on parts can be built from any of them.
bool loadLibrary(Settings& settings)
{
    for (const Guarantee& g : libraryGuarantees()) {
        const QString path = settings.folder + u'/' + libraryFileName(g);
        QFile file(path);
        LibraryEntries& entries = settings.library[g.code()];
        if (!file.open(QIODevice::ReadOnly))
            continue;
        auto parsed = parseLibraryFile(QString::fromUtf8(file.readAll()));
        if (!parsed) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(parsed.error()));
            return false;
        }
        entries = std::move(*parsed);
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Settings settings;
    settings.guarantees = libraryGuarantees();
    if (!parseArguments(app.arguments(), settings)) {
        std::fprintf(stderr, "usage: vendrilo-wheellibrary FOLDER [--known FILE] "
                             "[--guarantees LIST] [--from N] [--to N] [--seconds S] [--seed N] "
                             "[--report FILE]\n");
        return 2;
    }
    if (!loadLibrary(settings))
        return 1;
    if (!settings.report.isEmpty()) {
        const Status written = writeWheelReport(settings.report, settings.library, settings.known);
        if (!written)
            std::fprintf(stderr, "%s\n", qPrintable(written.error()));
        return written ? 0 : 1;
    }
    for (const Guarantee& g : settings.guarantees) {
        const QString path = settings.folder + u'/' + libraryFileName(g);
        for (int n = settings.from; n <= settings.to; ++n) {
            if (!improve(settings, g, n))
                continue;
            const QByteArray text = formatLibraryFile(g, settings.library[g.code()]).toUtf8();
            if (const Status written = writeFileAtomically(path, text); !written) {
                std::fprintf(stderr, "%s\n", qPrintable(written.error()));
                return 1;
            }
        }
    }
    return 0;
}
