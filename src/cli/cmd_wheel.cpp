// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli.h"
#include "core/wheels/wheelmaker.h"

#include <QElapsedTimer>

namespace vendrilo::cli {

namespace {

using namespace vendrilo::wheels;

constexpr double kDefaultSearchSeconds = 10;

CliResult<std::vector<int>> parseNumbers(const QString& text)
{
    std::vector<int> numbers;
    for (const QString& part : text.split(u',')) {
        bool ok = false;
        const int number = part.trimmed().toInt(&ok);
        if (!ok)
            return inputFailure(QStringLiteral("wheel: not a number: \"%1\"").arg(part));
        numbers.push_back(number);
    }
    if (!chosenNumbers(numbers))
        return inputFailure(QStringLiteral("wheel: %1").arg(problemText(WheelProblem::BadNumbers)));
    return numbers;
}

CliResult<double> parseSeconds(const CommandArgs& args)
{
    const auto text = args.option(QStringLiteral("--seconds"));
    if (!text)
        return kDefaultSearchSeconds;
    bool ok = false;
    const double seconds = text->toDouble(&ok);
    if (!ok || seconds < 0)
        return inputFailure(
            QStringLiteral("--seconds: not a number of seconds: \"%1\"").arg(*text));
    return seconds;
}

// The library's wheel (or the full one) when there is one, mapped onto the numbers in their
// order (or shuffled with --seed); else a live search of at most --seconds.
CliResult<int> wheel(Context& ctx, const CommandArgs& args)
{
    const CliResult<std::vector<int>> numbers = parseNumbers(args.positional.at(0));
    if (!numbers)
        return numbers.failure();
    const QString code = args.option(QStringLiteral("--guarantee")).value_or(QString());
    const auto guarantee = Guarantee::parse(code);
    if (!guarantee)
        return inputFailure(
            QStringLiteral("--guarantee: not \"full\" or \"KifM\" with 2 <= K <= M <= 6: \"%1\"")
                .arg(code));
    const CliResult<double> seconds = parseSeconds(args);
    if (!seconds)
        return seconds.failure();
    WheelOutcome outcome = instantWheel(*numbers, *guarantee, ctx.seed.value_or(0));
    if (outcome.problem == WheelProblem::NoneKnown) {
        QElapsedTimer clock;
        clock.start();
        outcome =
            searchWheel(*numbers, *guarantee, nullptr, ctx.seed.value_or(1),
                        [&](const SearchProgress&) { return clock.elapsed() < *seconds * 1000; });
    }
    if (!outcome.wheel) {
        printError(QStringLiteral("wheel: %1").arg(problemText(outcome.problem)));
        return 3;
    }
    for (const WheelRow& row : outcome.wheel->rows)
        print(rowText(row));
    print(QStringLiteral("rows: %1").arg(outcome.wheel->rows.size()));
    print(QStringLiteral("verified: %1").arg(guarantee->text()));
    return 0;
}

const CommandRegistration registration(
    "wheel",
    {.arguments = "NUMBERS",
     .summary = "a wheel on 7 to 49 numbers (comma-separated) with its guarantee, checked",
     .details = QStringLiteral("The library's wheel or the full one at once, else a live "
                               "search; --seed shuffles the rows over the numbers."),
     .minArguments = 1,
     .maxArguments = 1,
     .options = {{"--guarantee", "G",
                  "\"full\" or \"KifM\", e.g. 3if6: K hits whenever M of "
                  "the six winning numbers are among NUMBERS"},
                 {"--seconds", "S", "the longest a live search may take (default 10)"}}},
    wheel);

} // namespace

} // namespace vendrilo::cli
