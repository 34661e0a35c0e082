// SPDX-License-Identifier: GPL-3.0-or-later
// The server's command line: which draw file, where to listen, and the fixed answers that let a
// client's tests provoke every branch of its update and hand-over.
#include "server/serveroptions.h"

#include "core/draws/dates.h"
#include "core/io/httpget.h"

#include <algorithm>
#include <array>

namespace vendrilo::server {

namespace {

using Setter = Status (*)(ServerOptions&, const QString& option, const QString& value);

Error valueError(const QString& option, const QString& expected, const QString& value)
{
    return Error{QStringLiteral("%1: expected %2, not \"%3\"").arg(option, expected, value)};
}

// Digits only: QString::toInt alone would also take "+5" and " 5".
std::optional<int> boundedInt(const QString& text, int low, int high)
{
    if (text.isEmpty() || text.size() > 9 || !std::all_of(text.begin(), text.end(), [](QChar c) {
            return c >= QLatin1Char('0') && c <= QLatin1Char('9');
        }))
        return std::nullopt;
    const int value = text.toInt();
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

// A status a client can meet in the wild; 1xx would break the exchange itself.
std::optional<int> statusCode(const QString& text)
{
    return boundedInt(text, 200, 599);
}

Status setDraws(ServerOptions& o, const QString&, const QString& value)
{
    o.drawsPath = value;
    return {};
}

Status setPayouts(ServerOptions& o, const QString&, const QString& value)
{
    o.payoutsPath = value;
    return {};
}

Status setPort(ServerOptions& o, const QString& option, const QString& value)
{
    const auto port = boundedInt(value, 0, 65535);
    if (!port)
        return valueError(option, QStringLiteral("a port number 0..65535"), value);
    o.port = static_cast<quint16>(*port);
    return {};
}

Status setAddress(ServerOptions& o, const QString& option, const QString& value)
{
    if (!o.address.setAddress(value))
        return valueError(option, QStringLiteral("an IP address"), value);
    return {};
}

Status setPortalTemplate(ServerOptions& o, const QString&, const QString& value)
{
    o.portalTemplate = value;
    return {};
}

Status setPortalStatus(ServerOptions& o, const QString& option, const QString& value)
{
    o.portalStatus = statusCode(value);
    if (!o.portalStatus)
        return valueError(option, QStringLiteral("a status code 200..599"), value);
    return {};
}

Status setPortalBody(ServerOptions& o, const QString&, const QString& value)
{
    o.portalBody = bodyFromArgument(value);
    return {};
}

Status setMilliseconds(int& target, const QString& option, const QString& value, int low)
{
    const auto ms = boundedInt(value, low, 600000);
    if (!ms)
        return valueError(option, QStringLiteral("milliseconds %1..600000").arg(low), value);
    target = *ms;
    return {};
}

Status setDelay(ServerOptions& o, const QString& option, const QString& value)
{
    return setMilliseconds(o.delayMs, option, value, 0);
}

Status setHeadTimeout(ServerOptions& o, const QString& option, const QString& value)
{
    return setMilliseconds(o.headTimeoutMs, option, value, 1);
}

// "DD.MM.YYYY=VALUE": the day's override to fill and the value, or the reason it is refused.
Result<std::pair<DayOverride*, QString>> dayArgument(ServerOptions& o, const QString& option,
                                                     const QString& argument)
{
    const auto equals = argument.indexOf(QLatin1Char('='));
    const auto day = parseDate(argument.left(std::max<qsizetype>(equals, 0)));
    if (equals < 0 || !day)
        return valueError(option, QStringLiteral("DD.MM.YYYY=VALUE"), argument);
    return std::pair{&o.days[static_cast<qint64>(*day)], argument.mid(equals + 1)};
}

Status setDayStatus(ServerOptions& o, const QString& option, const QString& value)
{
    auto day = dayArgument(o, option, value);
    if (!day)
        return day.failure();
    const auto [entry, text] = *day;
    const auto code = statusCode(text);
    if (!code)
        return valueError(option, QStringLiteral("a status code 200..599"), text);
    if (entry->status)
        return Error{QStringLiteral("%1: the day of \"%2\" is given twice").arg(option, value)};
    entry->status = code;
    return {};
}

Status setDayBody(ServerOptions& o, const QString& option, const QString& value)
{
    auto day = dayArgument(o, option, value);
    if (!day)
        return day.failure();
    const auto [entry, text] = *day;
    if (entry->body)
        return Error{QStringLiteral("%1: the day of \"%2\" is given twice").arg(option, value)};
    entry->body = bodyFromArgument(text);
    return {};
}

Status setPlusDraws(ServerOptions& o, const QString&, const QString& value)
{
    o.plusDrawsPath = value;
    return {};
}

Status setPublicUrl(ServerOptions& o, const QString& option, const QString& value)
{
    if (!isWebAddress(value))
        return valueError(option, QStringLiteral("an http:// or https:// address"), value);
    o.publicUrl = value;
    return {};
}

Status setApiBase(ServerOptions& o, const QString& option, const QString& value)
{
    if (!isWebAddress(value))
        return valueError(option, QStringLiteral("an http:// or https:// address"), value);
    o.apiBase = value;
    return {};
}

// "lotto=URL", "plus=URL", "lotto=api:KEY"; one source a game.
Status addSource(ServerOptions& o, const QString& option, const QString& value)
{
    const qsizetype equals = value.indexOf(QLatin1Char('='));
    const auto game = gameByName(value.left(std::max<qsizetype>(equals, 0)));
    const QString where = value.mid(equals + 1);
    SourceOption source{game.value_or(Game::Lotto), {}, {}};
    if (where.startsWith(QLatin1String("api:")))
        source.apiKey = where.mid(4);
    else
        source.url = where;
    if (!game || (source.apiKey.isEmpty() && !isWebAddress(source.url)))
        return valueError(option, QStringLiteral("lotto=URL, plus=URL or GAME=api:KEY"), value);
    for (const SourceOption& known : o.sources)
        if (known.game == source.game)
            return Error{
                QStringLiteral("%1: a second source for %2").arg(option, value.left(equals))};
    o.sources.push_back(source);
    return {};
}

Status setPoll(ServerOptions& o, const QString& option, const QString& value)
{
    bool ok = false;
    const double minutes = value.toDouble(&ok);
    // A fraction of a minute is for tests; a day is the longest wait that still makes sense.
    if (!ok || minutes < 0.001 || minutes > 1440)
        return valueError(option, QStringLiteral("minutes from 0.001 to 1440"), value);
    o.pollMinutes = minutes;
    return {};
}

Status setToday(ServerOptions& o, const QString& option, const QString& value)
{
    o.today = parseDate(value);
    if (!o.today)
        return valueError(option, QStringLiteral("a date DD.MM.YYYY"), value);
    return {};
}

struct OptionEntry {
    const char* name;
    Setter set;
};

constexpr std::array kOptions{
    OptionEntry{"--draws", setDraws},
    OptionEntry{"--plus-draws", setPlusDraws},
    OptionEntry{"--public-url", setPublicUrl},
    OptionEntry{"--source", addSource},
    OptionEntry{"--poll", setPoll},
    OptionEntry{"--api-base", setApiBase},
    OptionEntry{"--today", setToday},
    OptionEntry{"--payouts", setPayouts},
    OptionEntry{"--port", setPort},
    OptionEntry{"--address", setAddress},
    OptionEntry{"--portal-template", setPortalTemplate},
    OptionEntry{"--portal-status", setPortalStatus},
    OptionEntry{"--portal-body", setPortalBody},
    OptionEntry{"--delay", setDelay},
    OptionEntry{"--head-timeout", setHeadTimeout},
    OptionEntry{"--status", setDayStatus},
    OptionEntry{"--body", setDayBody},
};

Setter setterFor(const QString& name)
{
    for (const auto& entry : kOptions) {
        if (name == QLatin1String(entry.name))
            return entry.set;
    }
    return nullptr;
}

} // namespace

Result<ServerOptions> parseArguments(const QStringList& arguments)
{
    ServerOptions options;
    if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"))) {
        options.help = true;
        return options;
    }
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString name = arguments[i];
        std::optional<QString> value;
        // "--port=8080" as well as "--port 8080".
        if (const auto equals = name.indexOf(QLatin1Char('='));
            name.startsWith(u"--") && equals > 0) {
            value = name.mid(equals + 1);
            name.truncate(equals);
        }
        const Setter set = setterFor(name);
        if (!set)
            return Error{QStringLiteral("unknown argument \"%1\" (see --help)").arg(name)};
        if (!value && i + 1 >= arguments.size())
            return Error{QStringLiteral("%1 needs a value (see --help)").arg(name)};
        if (const Status status = set(options, name, value ? *value : arguments[++i]); !status)
            return status.failure();
    }
    if (options.drawsPath.isEmpty())
        return Error{QStringLiteral("--draws FILE is missing (see --help)")};
    for (const SourceOption& source : options.sources)
        if (source.game == Game::Plus && options.plusDrawsPath.isEmpty())
            return Error{QStringLiteral("--source plus=... needs --plus-draws FILE")};
    return options;
}

QByteArray bodyFromArgument(const QString& text)
{
    QString body;
    body.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
        if (text[i] == QLatin1Char('\\') &&
            (next == QLatin1Char('n') || next == QLatin1Char('\\'))) {
            body += next == QLatin1Char('n') ? QLatin1Char('\n') : QLatin1Char('\\');
            ++i;
        } else {
            body += text[i];
        }
    }
    return body.toLatin1();
}

QString usageText()
{
    return QStringLiteral(
        "Usage: vendrilo-server --draws FILE [OPTIONS]\n"
        "\n"
        "Serves Vendrilo draw files over HTTP to the program's online update and portal "
        "hand-over:\n"
        "  GET /lotto/PELVANO.asp?Programm=PELVANO&Datum=yyyymmdd   the Lotto draws of that day\n"
        "  GET /lotto/PELVANO.asp?Programm=PELVANO&Datum=Pyyyymmdd  the Lotto Plus draws of that "
        "day\n"
        "  GET /lotto/lotto.asp?Spiel=PELVANO&Wo=Lottoland&Tipps=N   the portal's address "
        "template\n"
        "  GET /lotto/warenkorb2.asp?t1=...&n=N  a page listing the rows handed over\n"
        "  GET /lotto/quoten.asp?Programm=PELVANO&Seit=yyyymmdd  the payouts of the draws since "
        "that day (with --payouts)\n"
        "\n"
        "Options:\n"
        "  --draws FILE              the Lotto draw file (ZahlenPL.dat), read again when it "
        "changes\n"
        "  --plus-draws FILE         the Lotto Plus draw file (ZahlenPLPlus.dat)\n"
        "  --payouts FILE            the payout table (QuotenPL.csv), read for every request\n"
        "  --port N                  the port, 0 for any free one (default 8080)\n"
        "  --address ADDR            the address to listen on (default 127.0.0.1; 0.0.0.0 for "
        "every network)\n"
        "  --public-url URL          the address clients reach the service at (default: the "
        "one it listens on)\n"
        "  --portal-template TEXT    the portal's address template (default: this server's cart "
        "page)\n"
        "  --help, -h                this text\n"
        "\n"
        "Keeping the draws current:\n"
        "  --source GAME=URL         poll a published results list (lines \"N. DD.MM.YYYY "
        "a,b,c,d,e,f\")\n"
        "                            for GAME (lotto or plus) and merge new draws into its file\n"
        "  --source GAME=api:KEY     the same from the lottery operator's results API\n"
        "  --api-base URL            the API's base address (default "
        "https://developers.lotto.pl/api/open/v1)\n"
        "  --poll MINUTES            how often to poll, with a random spread of a tenth "
        "(default 30)\n"
        "\n"
        "For tests of a client:\n"
        "  --delay MS                wait before every answer\n"
        "  --status DD.MM.YYYY=CODE  answer that day with status CODE (200..599); repeatable\n"
        "  --body DD.MM.YYYY=TEXT    answer that day with the body TEXT (\\n a line break); "
        "repeatable\n"
        "  --portal-status CODE      answer the template request with status CODE\n"
        "  --portal-body TEXT        answer the template request with the body TEXT\n"
        "  --head-timeout MS         drop a client whose request head is not complete by then "
        "(default 10000)\n"
        "  --today DD.MM.YYYY        the day taken as today (no draw after it is taken)\n"
        "\n"
        "On start the server prints \"listening on http://ADDRESS:PORT\", then one line per "
        "poll of a source. Errors print one line on stderr and exit with status 2.\n");
}

} // namespace vendrilo::server
