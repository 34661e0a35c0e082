// vendrilo-cli: the program's core behind a command line, for scripts and headless checks.
#include "cli.h"
#include "core/draws/drawfile.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <limits>
#include <map>

namespace vendrilo::cli {

namespace {

std::map<QString, CommandFn>& commands()
{
    static std::map<QString, CommandFn> map;
    return map;
}

double parseDateOption(const QString& option, const QString& value)
{
    const auto day = parseDate(value);
    if (!day)
        throw Failure{QStringLiteral("%1: not a date DD.MM.YYYY: \"%2\"").arg(option, value)};
    return *day;
}

std::vector<int> parseRows(const QString& value)
{
    std::vector<int> rows;
    for (const QString& part : value.split(QLatin1Char(','))) {
        bool ok = false;
        const int r = part.trimmed().toInt(&ok);
        if (!ok || r < 1 || r > 12)
            throw Failure{QStringLiteral("--lock: rows are 1..12, got \"%1\"").arg(value)};
        rows.push_back(r);
    }
    return rows;
}

int run(const QStringList& args)
{
    Context ctx;
    ProgramState& s = ctx.state;
    s.programFolder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    // The command line takes its dates as given, also those before day 0 (30.12.1899).
    constexpr double noMinimum = std::numeric_limits<double>::lowest();
    const double today = systemToday();
    s.chosenDate = DatePicker(today, noMinimum);
    s.statisticsStart =
        DatePicker(resetRecentStatisticsStart(kStatisticsStartDesignDate, today), noMinimum);
    std::optional<QString> drawsOption;

    int i = 0;
    auto value = [&](const QString& option) {
        if (i + 1 >= args.size())
            throw Failure{QStringLiteral("%1 needs a value").arg(option)};
        return args.at(++i);
    };
    for (; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (!a.startsWith(QLatin1String("--")))
            break;
        if (a == QLatin1String("--draws"))
            drawsOption = value(a);
        else if (a == QLatin1String("--date"))
            s.chosenDate.setDate(parseDateOption(a, value(a)));
        else if (a == QLatin1String("--from"))
            s.statisticsStart.setDate(parseDateOption(a, value(a)));
        else if (a == QLatin1String("--set")) {
            if (auto error = s.options.assign(value(a)))
                throw Failure{*error};
        } else if (a == QLatin1String("--tips"))
            ctx.tipsPath = value(a);
        else if (a == QLatin1String("--lock"))
            ctx.lockedRows = parseRows(value(a));
        else if (a == QLatin1String("--seed")) {
            const QString v = value(a);
            bool ok = false;
            const qlonglong n = v.toLongLong(&ok);
            if (!ok || n < INT32_MIN || n > UINT32_MAX)
                throw Failure{QStringLiteral("--seed: not a 32-bit integer: \"%1\"").arg(v)};
            ctx.seed = static_cast<quint32>(n);
        } else
            throw Failure{QStringLiteral("unknown option \"%1\"").arg(a)};
    }
    if (i >= args.size())
        throw Failure{QStringLiteral("no command given (try: draws, show)")};
    const QString name = args.at(i);
    auto it = commands().find(name);
    if (it == commands().end())
        throw Failure{QStringLiteral("unknown command \"%1\"").arg(name)};

    if (drawsOption) {
        ctx.drawPath = *drawsOption;
        if (!QFileInfo(ctx.drawPath).isFile())
            throw Failure{QStringLiteral("--draws: cannot read \"%1\"").arg(ctx.drawPath)};
        const QFileInfo fi(ctx.drawPath);
        s.programFolder = fi.absolutePath() + QLatin1Char('/');
        s.drawFileName = fi.fileName();
    } else {
        // The window's own file; a first start writes it just as the window would.
        const auto prepared = drawfile::prepare(s.programFolder);
        if (!prepared)
            throw Failure{prepared.error()};
        ctx.drawPath = s.drawPath();
    }
    if (ctx.seed)
        s.random.setSeed(*ctx.seed);
    else
        s.random.randomize();
    return it->second(ctx, args.mid(i + 1));
}

} // namespace

CommandRegistration::CommandRegistration(const char* name, CommandFn run)
{
    commands()[QString::fromLatin1(name)] = std::move(run);
}

void print(const QString& line)
{
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
}

void printError(const QString& line)
{
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
}

} // namespace vendrilo::cli

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    try {
        return vendrilo::cli::run(app.arguments().mid(1));
    } catch (const vendrilo::cli::Failure& f) {
        vendrilo::cli::printError(QStringLiteral("vendrilo-cli: ") + f.message);
        return f.status;
    }
}
