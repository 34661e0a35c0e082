// SPDX-License-Identifier: GPL-3.0-or-later
// One invocation of the tool: the global options, then a command with its own arguments.
#include "cli.h"
#include "optionvalues.h"
#include "core/program/programfolder.h"
#include "core/draws/drawfile.h"
#include "core/io/atomicfile.h"
#include "core/money/payoutfile.h"
#include "core/program/settingsstore.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <limits>

namespace vendrilo::cli {

namespace {

struct Command {
    CommandSyntax syntax;
    CommandFn run;
};

std::map<QString, Command>& commands()
{
    static std::map<QString, Command> map;
    return map;
}

// The global options as given, before anything is set up from them. The dates wait until all
// options are read, because --today decides the defaults of --date and --from.
struct GlobalOptions {
    Context ctx;
    std::optional<double> date;
    std::optional<double> from;
    std::optional<double> today;
    std::optional<QString> draws;
    Game game = Game::Lotto;
    QStringList assignments; // --set, applied after the stored settings
    bool settings = false;   // --settings
    bool any = false;        // at least one option was given
};

enum class Action { Run, Help, Version };

struct GlobalOption {
    const char* name;
    const char* alias = nullptr;
    const char* valueName = nullptr; // nullptr: a flag without a value
    const char* description;
    Action action = Action::Run;
    CliStatus (*apply)(GlobalOptions&, const QString& option, const QString& value) = nullptr;
};

// An option's value into its place: as given, or as read by its parser, which may refuse it.
template <typename T, typename V> CliStatus keep(T& target, V value)
{
    target = std::move(value);
    return {};
}
template <typename T, typename V> CliStatus keep(T& target, CliResult<V> parsed)
{
    if (!parsed)
        return parsed.failure();
    target = std::move(parsed).value();
    return {};
}

// A --set assignment, checked now and applied over the stored settings later.
CliStatus keepAssignment(GlobalOptions& g, const QString& assignment)
{
    if (const Status assigned = Options{}.assign(assignment); !assigned)
        return inputFailure(assigned.failure());
    g.assignments << assignment;
    return {};
}

// The one list of global options: the parser and the help text both read it.
const std::vector<GlobalOption>& globalOptions()
{
    using G = GlobalOptions;
    using S = const QString&;
    static const std::vector<GlobalOption> table = {
        {.name = "--draws",
         .valueName = "FILE",
         .description = "the draw file (default: the game's own in the program folder)",
         .apply = [](G& g, S, S v) { return keep(g.draws, v); }},
        {.name = "--game",
         .valueName = "lotto|plus",
         .description = "the game whose draws every command reads and changes (default: lotto)",
         .apply = [](G& g, S o, S v) { return keep(g.game, parseGame(o, v)); }},
        {.name = "--date",
         .valueName = "DD.MM.YYYY",
         .description = "the chosen draw day, end of the statistics period (default: today)",
         .apply = [](G& g, S o, S v) { return keep(g.date, parseDateOption(o, v)); }},
        {.name = "--from",
         .valueName = "DD.MM.YYYY",
         .description =
             "the statistics start (default 07.10.2015; 19.11.1994 if today < 14.10.2015)",
         .apply = [](G& g, S o, S v) { return keep(g.from, parseDateOption(o, v)); }},
        {.name = "--set",
         .valueName = "NAME=VALUE",
         .description = "an option control: CheckBoxN=0|1 or UpDownN=integer; repeatable",
         .apply = [](G& g, S, S v) { return keepAssignment(g, v); }},
        {.name = "--settings",
         .description = "start from the stored settings, as the window's start-up restores them",
         .apply = [](G& g, S, S) { return keep(g.settings, true); }},
        {.name = "--tips",
         .valueName = "FILE",
         .description = "a tip file loaded into the sheet before the command",
         .apply = [](G& g, S, S v) { return keep(g.ctx.tipsPath, v); }},
        {.name = "--lock",
         .valueName = "LIST",
         .description = "rows locked before the command, e.g. 1,5",
         .apply = [](G& g, S, S v) { return keep(g.ctx.lockedRows, parseRows(v)); }},
        {.name = "--seed",
         .valueName = "N",
         .description = "the random seed (default: from the clock)",
         .apply = [](G& g, S, S v) { return keep(g.ctx.seed, parseSeed(v)); }},
        {.name = "--ledger",
         .valueName = "FILE",
         .description = "the ticket ledger (default: Vendrilo.sqlite in the program folder)",
         .apply = [](G& g, S, S v) { return keep(g.ctx.ledgerPath, v); }},
        {.name = "--today",
         .valueName = "DD.MM.YYYY",
         .description = "the date taken as today (default: the system date)",
         .apply = [](G& g, S o, S v) { return keep(g.today, parseDateOption(o, v)); }},
        {.name = "--help",
         .alias = "-h",
         .description = "print this help and exit",
         .action = Action::Help},
        {.name = "--version",
         .description = "print the version and exit",
         .action = Action::Version},
    };
    return table;
}

const GlobalOption* findGlobalOption(const QString& name)
{
    for (const GlobalOption& o : globalOptions())
        if (name == QLatin1String(o.name) || (o.alias && name == QLatin1String(o.alias)))
            return &o;
    return nullptr;
}

QString padded(const QString& text, qsizetype width)
{
    return text.leftJustified(std::max(width, text.size() + 2));
}

QString commandUsage(const QString& name, const CommandSyntax& syntax)
{
    QString usage = name;
    for (const CommandOption& o : syntax.options) {
        usage += QStringLiteral(" [") + QLatin1String(o.name);
        if (o.valueName)
            usage += QLatin1Char(' ') + QLatin1String(o.valueName);
        usage += QLatin1Char(']');
    }
    if (*syntax.arguments)
        usage += QLatin1Char(' ') + QLatin1String(syntax.arguments);
    return usage;
}

void printHelp()
{
    constexpr qsizetype column = 20;
    QStringList lines = {
        QStringLiteral("Usage: vendrilo-cli [GLOBAL OPTIONS] COMMAND [ARGS]"),
        QString(),
        QStringLiteral("The program's core on the command line: the same results as the window for "
                       "the same"),
        QStringLiteral("draw file, dates, options, sheet and seed. An error is one line on "
                       "stderr and exit"),
        QStringLiteral("status 2; a command that cannot run at all (generate) exits with 3."),
        QString(),
        QStringLiteral("Global options (before the command):"),
    };
    for (const GlobalOption& o : globalOptions()) {
        QString name = QLatin1String(o.name);
        if (o.alias)
            name += QStringLiteral(", ") + QLatin1String(o.alias);
        if (o.valueName)
            name += QLatin1Char(' ') + QLatin1String(o.valueName);
        lines << QStringLiteral("  ") + padded(name, column) + QLatin1String(o.description);
    }
    lines << QString() << QStringLiteral("Commands:");
    for (const auto& [name, command] : commands()) {
        lines << QStringLiteral("  ") + padded(commandUsage(name, command.syntax), column) +
                     QLatin1String(command.syntax.summary);
        if (!command.syntax.details.isEmpty())
            lines << QString(column + 2, QLatin1Char(' ')) + command.syntax.details;
        for (const CommandOption& o : command.syntax.options) {
            QString option = QLatin1String(o.name);
            if (o.valueName)
                option += QLatin1Char(' ') + QLatin1String(o.valueName);
            lines << QStringLiteral("    ") + padded(option, column - 2) +
                         QLatin1String(o.description);
        }
    }
    lines << QString()
          << QStringLiteral("batch reads one argument list per line from stdin, split as a shell "
                            "splits words")
          << QStringLiteral("(blanks, '...', \"...\", backslash; no expansion), runs each as its "
                            "own invocation and")
          << QStringLiteral("follows its output with a line \"--- exit N\", N being its exit "
                            "status.");
    for (const QString& line : lines)
        print(line);
}

// The command's own options and positional arguments. A global option here would be ignored,
// so it is an error, like anything the command does not take.
CliResult<CommandArgs> parseCommandArgs(const QString& name, const CommandSyntax& syntax,
                                        const QStringList& args)
{
    CommandArgs parsed;
    const QString usage = commandUsage(name, syntax);
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        const auto own =
            std::find_if(syntax.options.begin(), syntax.options.end(),
                         [&](const CommandOption& o) { return a == QLatin1String(o.name); });
        if (own != syntax.options.end()) {
            if (!own->valueName) {
                parsed.options[a] = QString();
                continue;
            }
            if (i + 1 >= args.size())
                return inputFailure(QStringLiteral("%1: %2 needs a value").arg(name, a));
            parsed.options[a] = args.at(++i);
            continue;
        }
        if (findGlobalOption(a))
            return inputFailure(
                QStringLiteral("%1: the global option %2 must come before the command")
                    .arg(name, a));
        if (a.startsWith(QLatin1String("--")))
            return inputFailure(
                QStringLiteral("%1: unknown option \"%2\" (usage: %3)").arg(name, a, usage));
        if (parsed.positional.size() >= syntax.maxArguments)
            return inputFailure(
                QStringLiteral("%1: unexpected argument \"%2\" (usage: %3)").arg(name, a, usage));
        parsed.positional << a;
    }
    if (parsed.positional.size() < syntax.minArguments)
        return inputFailure(QStringLiteral("%1: missing %2 (usage: %3)")
                                .arg(name, QLatin1String(syntax.arguments), usage));
    return parsed;
}

// Dates with their defaults, the draw file and the random source, as the window's start-up
// would have them.
CliStatus setUp(GlobalOptions& g)
{
    Context& ctx = g.ctx;
    ProgramState& s = ctx.state;
    ctx.today = g.today.value_or(systemToday());
    // The command line takes its dates as given, also those before day 0 (30.12.1899).
    constexpr double noMinimum = std::numeric_limits<double>::lowest();
    s.chosenDate = DatePicker(g.date.value_or(ctx.today), noMinimum);
    s.statisticsStart = DatePicker(kStatisticsStartDesignDate, noMinimum);
    if (g.settings) {
        WindowSize unused;
        QString notice;
        const RestoreOutcome restored = restoreSettings(*openSettings({}, &notice), s, unused);
        if (!notice.isEmpty())
            printError(QStringLiteral("vendrilo-cli: warning: ") + notice);
        if (restored.aborted)
            return inputFailure(restored.message, ErrorKind::Damaged);
    }
    settleRestoredSettings(s, ctx.today);
    s.game = g.game; // never the stored game: without --game a command reads Lotto
    if (g.from)
        s.statisticsStart.setDate(*g.from);
    for (const QString& assignment : g.assignments)
        (void)s.options.assign(assignment); // checked when it was given

    if (g.draws) {
        ctx.drawPath = *g.draws;
        const QFileInfo fi(ctx.drawPath);
        if (!fi.isFile())
            return inputFailure(QStringLiteral("--draws: cannot read \"%1\"").arg(ctx.drawPath),
                                ErrorKind::NotFound);
        s.programFolder = fi.absolutePath() + QLatin1Char('/');
        s.drawFileName = fi.fileName();
        // A write of this file killed half-way left its temporary file beside it.
        removeStaleTemporariesOf({ctx.drawPath});
    } else {
        // The window's own file; a first start writes it just as the window would.
        QString folderNotice;
        s.programFolder = programFolderOfThisProgram(&folderNotice);
        if (!folderNotice.isEmpty())
            printError(QStringLiteral("vendrilo-cli: warning: ") + folderNotice);
        const auto prepared = drawfile::prepare(s.programFolder);
        if (!prepared)
            return inputFailure(prepared.failure());
        if (const Status payouts = payoutfile::prepare(s.programFolder); !payouts)
            return inputFailure(payouts.failure());
        ctx.drawPath = s.drawPath();
    }
    warnAboutDamagedDraws(ctx.drawPath);
    if (ctx.seed)
        s.random.setSeed(*ctx.seed);
    else
        s.random.randomize();
    return {};
}

// The global options up to the command, read into `g`; `i` stops at the command. --help and
// --version end the reading: their action is returned, the options before them are left alone.
CliResult<Action> readGlobalOptions(const QStringList& args, qsizetype& i, GlobalOptions& g)
{
    for (; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (!a.startsWith(QLatin1Char('-')))
            break;
        const GlobalOption* option = findGlobalOption(a);
        if (!option)
            return inputFailure(QStringLiteral("unknown option \"%1\"").arg(a));
        if (option->action != Action::Run)
            return option->action;
        if (option->valueName && i + 1 >= args.size())
            return inputFailure(QStringLiteral("%1 needs a value").arg(a));
        const QString value = option->valueName ? args.at(++i) : QString();
        if (const CliStatus applied = option->apply(g, a, value); !applied)
            return applied.failure();
        g.any = true;
    }
    return Action::Run;
}

CliResult<int> run(const QStringList& args)
{
    GlobalOptions g;
    qsizetype i = 0;
    // No arguments at all: the help.
    const CliResult<Action> action =
        args.isEmpty() ? CliResult<Action>(Action::Help) : readGlobalOptions(args, i, g);
    if (!action)
        return action.failure();
    if (*action == Action::Help)
        printHelp();
    if (*action == Action::Version)
        print(QStringLiteral("vendrilo-cli " VENDRILO_VERSION));
    if (*action != Action::Run)
        return 0;
    if (i >= args.size())
        return inputFailure(QStringLiteral("no command after the options (see --help)"));
    const QString name = args.at(i);
    const auto it = commands().find(name);
    if (it == commands().end())
        return inputFailure(QStringLiteral("unknown command \"%1\" (see --help)").arg(name));
    const Command& command = it->second;
    const auto commandArgs = parseCommandArgs(name, command.syntax, args.mid(i + 1));
    if (!commandArgs)
        return commandArgs.failure();
    if (!command.syntax.takesGlobalOptions && g.any)
        return inputFailure(QStringLiteral("%1 takes no global options").arg(name),
                            ErrorKind::Refused);
    if (command.syntax.takesGlobalOptions) {
        if (const CliStatus set = setUp(g); !set)
            return set.failure();
    }
    return command.run(g.ctx, *commandArgs);
}

} // namespace

std::optional<QString> CommandArgs::option(const QString& name) const
{
    const auto it = options.find(name);
    if (it == options.end())
        return std::nullopt;
    return it->second;
}

CommandRegistration::CommandRegistration(const char* name, CommandSyntax syntax, CommandFn run)
{
    commands()[QString::fromLatin1(name)] = Command{std::move(syntax), std::move(run)};
}

int runInvocation(const QStringList& args)
{
    const CliResult<int> status = run(args);
    if (!status) {
        // The failure's own status stands; the output is checked only after a run.
        printError(QStringLiteral("vendrilo-cli: ") + status.error());
        return status.failure().status;
    }
    return flushOutput() ? *status : 2;
}

} // namespace vendrilo::cli
