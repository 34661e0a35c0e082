// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/draws/onlineupdate.h"

#include "core/draws/drawfile.h"
#include "core/io/textlines.h"
#include "core/texts/integers.h"
#include "core/texts/textlist.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace vendrilo {

namespace {

// Takes the text before the next `separator` out of `rest` as a number; fails (leaving `rest`)
// when there is no separator or the text is no whole number.
std::optional<int> takeNumber(QString& rest, QChar separator)
{
    const qsizetype at = rest.indexOf(separator);
    const std::optional<int> value = parseInteger(at < 0 ? QString() : rest.left(at));
    if (value)
        rest.remove(0, at + 1);
    return value;
}

// The line without its first field, as the message shows a line that brings no draw.
QString withoutFirstField(const QString& line)
{
    const qsizetype comma = line.indexOf(QLatin1Char(','));
    return comma < 0 ? line : line.mid(comma + 1);
}

} // namespace

UpdateLine parseUpdateLine(const QString& line, double day, const DrawRecord& tail)
{
    QString rest = withoutFirstField(line);
    DrawRecord record = tail;
    record.date = day;
    record.bonus = 0;
    record.superzahl = 0;
    for (std::size_t i = 0; i < 6; ++i) {
        const QString before = rest;
        const auto n = takeNumber(rest, QLatin1Char(i < 5 ? ',' : ';'));
        if (!n)
            return {std::nullopt, rest};
        // A byte of the file could hold 305 as 49 and -1 as 255: such a line is no draw.
        const auto taken = record.numbers.begin() + static_cast<std::ptrdiff_t>(i);
        if (*n < 1 || *n > 49 || std::find(record.numbers.begin(), taken, *n) != taken)
            return {std::nullopt, before};
        record.numbers[i] = static_cast<std::uint8_t>(*n);
    }
    return {record, {}};
}

QString updateRequestUrl(const QString& server, double day, Game game)
{
    const QString mark = game == Game::Plus ? QStringLiteral("P") : QString();
    return joinUrl(server, QStringLiteral("/lotto/PELVANO.asp?Programm=PELVANO&Datum=")) + mark +
           dateFromDay(day).toString(QStringLiteral("yyyyMMdd"));
}

namespace {

// The draws of one day's answer, or the line that is none.
struct DayDraws {
    std::vector<DrawRecord> records;
    std::optional<QString> failingLine;
};

DayDraws readDayAnswer(const QByteArray& body, double day, const DrawRecord& tail)
{
    DayDraws draws;
    for (const QByteArray& raw :
         splitLines(body, LineLimits{0, kMaxAnswerBytes, kMaxAnswerBytes})) {
        const QString text = QString::fromLatin1(raw);
        UpdateLine line = parseUpdateLine(text, day, tail);
        if (line.record && draws.records.size() >= std::size_t(kMaxDrawsPerDay))
            line = {std::nullopt, withoutFirstField(text)}; // no evening has three draws
        if (!line.record) {
            draws.failingLine = line.unread;
            return draws;
        }
        draws.records.push_back(*line.record);
    }
    return draws;
}

// Lines in the layout of a published results list ("N. DD.MM.YYYY a,b,c,d,e,f"), as an answer
// for any path of a static file server would bring them.
bool holdsResultLines(const QByteArray& body)
{
    static const std::vector<DrawRecord> none;
    DrawImporter probe(none, {});
    qsizetype number = 0;
    for (const QByteArray& line : splitLines(body, LineLimits{50}))
        probe.addLine(++number, line);
    return probe.finish().foundAnyDraw;
}

// One run of the update: the day loop, with the draw file's last record as the tail of every
// new record.
class Updater {
public:
    Updater(const UpdateRequest& request, HttpGet& http, UpdateObserver& observer,
            UpdateResult& result)
        : m_request(request), m_http(http), m_observer(observer), m_result(result)
    {
    }

    // False when the draw file cannot be used; the result says why.
    bool open(DatePicker& chosenDate);
    // One day: false ends the update (the day was not got completely, or a file error).
    bool fetchDay(double day, ShownDraw& shown);
    // The address turned out to be a results list, which was merged (or refused): the update
    // has nothing more to ask.
    bool mergedResultsList() const { return m_result.resultsList.has_value(); }

private:
    void status(int panel, const QString& text)
    {
        if (panel == 0)
            m_result.lastStatus = text;
        m_observer.status(panel, text);
    }
    bool stop(double day, const QString& reason);
    std::optional<QString> proxyProblem();
    Result<HttpAnswer> get(const QString& url);
    bool tryResultsList(const HttpAnswer& firstAnswer);
    bool storeDay(const QByteArray& body, double day, ShownDraw& shown);

    const UpdateRequest& m_request;
    HttpGet& m_http;
    UpdateObserver& m_observer;
    UpdateResult& m_result;
    std::vector<DrawRecord> m_records; // the file as it was when the update began
    DrawRecord m_tail;                 // all zero for an empty file
};

bool Updater::open(DatePicker& chosenDate)
{
    const QString& path = m_request.drawPath;
    if (!QFileInfo::exists(path)) {
        if (const Status created = drawfile::createEmpty(path); !created) {
            m_result.fileError = created.error();
            return false;
        }
    }
    auto records = drawfile::read(path);
    if (!records) {
        m_result.fileError = records.error();
        return false;
    }
    m_records = std::move(*records);
    if (!m_records.empty())
        m_tail = m_records.back();
    if (m_tail.date > 0)
        chosenDate.setDate(m_tail.date);
    chosenDate.setDate(chosenDate.date() + 1);
    return true;
}

bool Updater::stop(double day, const QString& reason)
{
    m_result.stoppedAt = day;
    status(0, fillIn(text(Text::UpdateAskedAgain), {reason, formatDate(day)}));
    return false;
}

std::optional<QString> Updater::proxyProblem()
{
    const QString host = m_observer.proxyHost().trimmed();
    if (host.isEmpty() || parseProxyPort(m_observer.proxyPort()))
        return std::nullopt;
    return fillIn(text(Text::UpdateProxyPortNoNumber), {m_observer.proxyPort()});
}

Result<HttpAnswer> Updater::get(const QString& url)
{
    const auto port = parseProxyPort(m_observer.proxyPort());
    status(0, text(Text::UpdateLoading));
    ++m_result.requests;
    return m_http.get(url, {m_observer.proxyHost().trimmed(), port.value_or(80)});
}

bool Updater::fetchDay(double day, ShownDraw& shown)
{
    if (const auto problem = proxyProblem())
        return stop(day, *problem);
    const auto answer = get(updateRequestUrl(m_request.server, day, m_request.game));
    // A program without its network module asked no server: that is said as it stands.
    if (!answer)
        return stop(day, answer.errorKind() == ErrorKind::NotFound
                             ? answer.error()
                             : fillIn(text(Text::UpdateNoAnswer), {answer.error()}));
    status(0, fillIn(text(Text::UpdateReceivedBytes), {QString::number(answer->body.size())}));
    status(1, text(Text::UpdateAccuracyNotice));
    if (m_result.requests == 1 && tryResultsList(*answer))
        return false;
    if (answer->tooLarge)
        return stop(day, fillIn(text(Text::UpdateAnswerTooLarge), {formatDate(day)}));
    if (answer->status == 500) {
        // The day is not there yet: the update ends, and the next one asks for it again.
        m_result.stoppedAt = day;
        status(0, fillIn(text(Text::UpdateNotThereYet), {formatDate(day)}));
        return false;
    }
    // A server that does not know Lotto Plus finds no day in its request, or has no such draws.
    if (m_request.game == Game::Plus && (answer->status == 400 || answer->status == 404))
        return stop(day, fillIn(text(Text::UpdateNoLottoPlus), {QString::number(answer->status), answer->statusText}));
    if (answer->status != 200)
        return stop(day, fillIn(text(Text::UpdateFailedStatus), {QString::number(answer->status), answer->statusText}));
    return storeDay(answer->body, day, shown);
}

bool Updater::storeDay(const QByteArray& body, double day, ShownDraw& shown)
{
    const DayDraws draws = readDayAnswer(body, day, m_tail);
    if (draws.failingLine) {
        m_result.failingLine = draws.failingLine;
        m_result.stoppedAt = day;
        return false;
    }
    if (draws.records.empty())
        return true; // no draw on that day
    // The day's draws are written whole and at once: an update stopped at any moment leaves
    // whole days in the file, and no part of a record.
    if (const Status written = drawfile::append(m_request.drawPath, draws.records); !written) {
        m_result.fileError = written.error();
        m_result.stoppedAt = day;
        return false;
    }
    for (const DrawRecord& record : draws.records) {
        m_result.appended.push_back(record);
        shown.show(record, 3);
        m_observer.drawStored(record, shown);
    }
    return true;
}

bool Updater::tryResultsList(const HttpAnswer& first)
{
    const bool noDayService = first.status == 400 || first.status == 403 || first.status == 404 ||
                              first.status == 405 || first.status == 410;
    if (!m_request.takesResultsList || first.tooLarge ||
        !(noDayService || (first.status == 200 && holdsResultLines(first.body))))
        return false;
    const auto list = get(m_request.server);
    if (!list || list->tooLarge || list->status != 200 || !holdsResultLines(list->body))
        return false;
    DrawImport merged = importDrawText(m_records, list->body,
                                       {gameInfo(m_request.game).firstDrawDay, m_request.today});
    if (merged.added > 0) {
        if (const Status written = drawfile::rewrite(m_request.drawPath, merged.records); !written)
            m_result.fileError = written.error();
        else
            m_result.appended = merged.addedRecords;
    }
    QString shown = fillIn(text(Text::UpdateResultsList),
                           {QString::number(merged.added), QString::number(merged.present),
                            QString::number(merged.refusedCount)});
    if (!merged.refused.empty())
        shown += fillIn(text(Text::UpdateResultsListFirstRefused),
                        {QString::number(merged.refused.front().line),
                         refusalReason(merged.refused.front())});
    status(0, shown);
    m_result.resultsList = std::move(merged);
    return true;
}

} // namespace

UpdateResult runOnlineUpdate(const UpdateRequest& request, DatePicker& chosenDate, ShownDraw& shown,
                             HttpGet& http, UpdateObserver& observer)
{
    UpdateResult result;
    Updater updater(request, http, observer, result);
    if (!updater.open(chosenDate))
        return result;
    while (chosenDate.date() <= request.today) {
        const double day = chosenDate.date();
        if (!updater.fetchDay(day, shown))
            break;
        if (!chosenDate.setDate(day + 1) || !observer.goOn())
            break;
    }
    if (updater.mergedResultsList() && !result.fileError) {
        double newest = 0;
        for (const DrawRecord& r : result.resultsList->records)
            newest = std::max(newest, std::floor(r.date));
        chosenDate.setDate(newest + 1);
    }
    return result;
}

} // namespace vendrilo
