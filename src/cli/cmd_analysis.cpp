// SPDX-License-Identifier: GPL-3.0-or-later
// The two analyses of the "Datenbank" tab on the command line: the parameter back-test and the
// draw similarity analysis, each printing the lines of its report.
#include "cli.h"
#include "core/program/analysis.h"
#include "core/texts/integers.h"
#include "sheetsetup.h"

namespace vendrilo::cli {

namespace {

// The analyses' questions answered as the command line says: the seed box with --seed (or its
// proposal), the threshold box with --threshold, every "go on?" with yes. Messages go to stderr.
class AnsweringPrompts : public Prompts {
public:
    explicit AnsweringPrompts(std::optional<QString> answer) : m_answer(std::move(answer)) {}
    void message(const QString& text) override { printError(text); }
    bool askYesNo(const QString&, const QString&) override { return true; }
    std::optional<QString> inputText(const QString&, const QString&,
                                     const QString& proposal) override
    {
        return m_answer.value_or(proposal);
    }

private:
    std::optional<QString> m_answer;
};

void printLines(const QStringList& lines)
{
    for (const QString& line : lines)
        print(line);
}

// The back-test from --date with --seed as the answer to its seed question.
CliResult<int> backtest(Context& ctx, const CommandArgs&)
{
    std::optional<QString> seed;
    if (ctx.seed)
        seed = QString::number(static_cast<qint32>(*ctx.seed));
    AnsweringPrompts prompts(seed);
    // Locked rows stay through every pass, as in the window.
    if (const CliStatus sheet = setUpSheet(ctx); !sheet)
        return sheet.failure();
    const auto result = runBacktest(ctx.state, prompts, ctx.today);
    if (!result) {
        printError(result.error());
        return 3;
    }
    if (result->end != AnalysisEnd::Finished)
        return 3; // the generator's message is on stderr
    printLines(result->report);
    return 0;
}

CliResult<int> similarity(Context& ctx, const CommandArgs& args)
{
    const QString threshold = args.option(QStringLiteral("--threshold")).value_or("6");
    if (!parseInteger(threshold))
        return inputFailure(QStringLiteral("--threshold: not an integer: \"%1\"").arg(threshold));
    AnsweringPrompts prompts(threshold);
    const auto result = runSimilarity(ctx.state, prompts);
    if (!result) {
        printError(result.error());
        return 3;
    }
    printLines(result->report);
    return 0;
}

const CommandRegistration backtestRegistration(
    "backtest",
    {.summary = "the parameter back-test from --date, --seed answering its seed "
                "question: the lines of Test.txt"},
    backtest);

const CommandRegistration similarityRegistration(
    "similarity",
    {.summary = "the draw similarity analysis from --date, every hit question answered yes: the "
                "lines of Test.rtf",
     .options = {{"--threshold", "T", "the hits at which it would ask (default 6)"}}},
    similarity);

} // namespace

} // namespace vendrilo::cli
