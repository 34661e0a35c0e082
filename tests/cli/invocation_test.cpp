// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's argument handling with a command of the test's own that takes options of
// its own, as later commands will (generate --weights FILE, update --server URL): the end-to-end
// scripts can only reach the commands that exist.
#include "cli.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

using namespace vendrilo::cli;

namespace {

// What the probe command last received, and what the context said then.
struct Received {
    int calls = 0;
    CommandArgs args;
    QString drawPath;
    double date = 0;
};
Received received;

// Ends with 7, or fails as its argument asks: "input" (status 2) or "work" (status 3).
CliResult<int> probe(Context& ctx, const CommandArgs& args)
{
    ++received.calls;
    received.args = args;
    received.drawPath = ctx.drawPath;
    received.date = ctx.state.chosenDate.date();
    if (args.positional == QStringList{"input"})
        return inputFailure(QStringLiteral("probe: refused input"));
    if (args.positional == QStringList{"work"})
        return workFailure({QStringLiteral("probe: the work failed"), vendrilo::ErrorKind::Unwritable});
    return 7;
}

const CommandRegistration registration(
    "probe",
    {.arguments = "[N]",
     .summary = "a command with options of its own",
     .maxArguments = 1,
     .options = {{"--weights", "FILE", "a weighting list"}, {"--quick", nullptr, "no waiting"}}},
    probe);

const QString kDraws = QStringLiteral(VENDRILO_FIXTURES "/draws-three.dat");

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome invoke(const QStringList& args)
{
    received = {};
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int status = runInvocation(args);
    return {status, testing::internal::GetCapturedStdout(),
            testing::internal::GetCapturedStderr()};
}

TEST(CommandOptions, AreParsedAnywhereAfterTheCommandAndKeptApartFromItsArguments)
{
    const Outcome o = invoke({"--draws", kDraws, "--date", "06.01.2021", "probe", "--weights",
                              "w.qkw", "5", "--quick"});
    EXPECT_EQ(o.status, 7);
    EXPECT_EQ(o.err, "");
    ASSERT_EQ(received.calls, 1);
    EXPECT_EQ(received.args.positional, QStringList{"5"});
    EXPECT_EQ(received.args.option("--weights"), QStringLiteral("w.qkw"));
    EXPECT_EQ(received.args.option("--quick"), QString());
    EXPECT_FALSE(received.args.option("--server"));
    // The global options before the command still took effect.
    EXPECT_EQ(received.drawPath, kDraws);
    EXPECT_EQ(received.date, *vendrilo::parseDate("06.01.2021"));

    invoke({"--draws", kDraws, "probe"});
    ASSERT_EQ(received.calls, 1);
    EXPECT_TRUE(received.args.positional.isEmpty());
    EXPECT_FALSE(received.args.option("--weights"));
    EXPECT_FALSE(received.args.option("--quick"));
}

TEST(CommandOptions, MistakesAreOneLineErrorsAndTheCommandDoesNotRun)
{
    const struct {
        QStringList args;
        const char* named;
    } cases[] = {
        {{"--draws", kDraws, "probe", "--weights"}, "--weights needs a value"},
        {{"--draws", kDraws, "probe", "--date", "01.01.2000"}, "global option --date"},
        {{"--draws", kDraws, "probe", "--server", "x"}, "unknown option \"--server\""},
        {{"--draws", kDraws, "probe", "1", "2"}, "unexpected argument \"2\""},
        // A value that looks like an option is still the value.
        {{"--draws", kDraws, "probe", "--weights", "--quick", "--quick", "3", "4"},
         "unexpected argument \"4\""},
    };
    for (const auto& c : cases) {
        const Outcome o = invoke(c.args);
        EXPECT_EQ(o.status, 2) << c.named;
        EXPECT_EQ(o.out, "") << c.named;
        EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 1) << o.err;
        EXPECT_NE(o.err.find(c.named), std::string::npos) << o.err;
        EXPECT_EQ(received.calls, 0) << c.named;
    }
}

// Every global option's value is checked before the command runs, in the order given; a
// failure ends the invocation with the status of its stage and one line naming it.
TEST(GlobalOptions, AFailureStopsTheInvocationWithItsOwnStatus)
{
    const QString missing = QStringLiteral(VENDRILO_FIXTURES "/no-such-draws.dat");
    const struct {
        QStringList options;   // before the command
        QStringList arguments; // after it
        int status;
        const char* named; // in the one line on stderr; nullptr: the probe ran
    } cases[] = {
        {{"--date", "31.02.2021"}, {}, 2, "--date: not a date"},
        {{"--from", "1.1.21"}, {}, 2, "--from: not a date"},
        {{"--today", "today"}, {}, 2, "--today: not a date"},
        {{"--lock", "0"}, {}, 2, "--lock: rows are 1..12"},
        {{"--lock", "1,13"}, {}, 2, "--lock: rows are 1..12"},
        {{"--lock", "1,,2"}, {}, 2, "--lock: rows are 1..12"},
        {{"--seed", "4294967296"}, {}, 2, "--seed: not a 32-bit integer"},
        {{"--seed", "-2147483649"}, {}, 2, "--seed: not a 32-bit integer"},
        {{"--seed", "4294967295"}, {}, 7, nullptr},
        {{"--seed", "-2147483648", "--lock", "1,12"}, {}, 7, nullptr},
        {{"--game", "keno"}, {}, 2, "--game: lotto or plus"},
        {{"--game", "plus", "--set", "CheckBox14=2"}, {}, 2, "CheckBox14"},
        {{"--set", "NoSuchBox=1"}, {}, 2, "NoSuchBox"},
        {{"--draws", missing}, {}, 2, "--draws: cannot read"},
        // The first refused value ends the reading, also before --help.
        {{"--seed", "x", "--lock", "0"}, {}, 2, "--seed"},
        {{"--seed", "5", "--today", "x", "--help"}, {}, 2, "--today"},
        // Files are named now and read only by the commands that use them.
        {{"--tips", missing, "--ledger", missing}, {}, 7, nullptr},
        // What the command itself refuses keeps the status it gave.
        {{}, {"input"}, 2, "vendrilo-cli: probe: refused input"},
        {{}, {"work"}, 3, "vendrilo-cli: probe: the work failed"},
    };
    for (const auto& c : cases) {
        const QStringList args =
            QStringList{"--draws", kDraws} + c.options + QStringList{"probe"} + c.arguments;
        const Outcome o = invoke(args);
        const std::string what = args.join(' ').toStdString();
        EXPECT_EQ(o.status, c.status) << what;
        EXPECT_EQ(o.out, "") << what;
        if (!c.named) {
            EXPECT_EQ(o.err, "") << what;
            EXPECT_EQ(received.calls, 1) << what;
            continue;
        }
        EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 1) << what << ": " << o.err;
        EXPECT_NE(o.err.find(c.named), std::string::npos) << what << ": " << o.err;
        EXPECT_EQ(received.calls, c.arguments.isEmpty() ? 0 : 1) << what;
    }
}

TEST(CommandOptions, TheHelpShowsThemWithTheCommand)
{
    const Outcome o = invoke({"--help"});
    EXPECT_EQ(o.status, 0);
    EXPECT_NE(o.out.find("\n  probe [--weights FILE] [--quick] [N]  a command with options of its "
                         "own\n    --weights FILE    a weighting list\n    --quick           no "
                         "waiting\n"),
              std::string::npos)
        << o.out;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
