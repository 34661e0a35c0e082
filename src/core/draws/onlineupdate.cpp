// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/draws/onlineupdate.h"

#include "core/draws/drawfile.h"
#include "core/io/textlines.h"
#include "core/texts/integers.h"
#include "core/texts/textlist.h"

#include <QFileInfo>

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

} // namespace

UpdateLine parseUpdateLine(const QString& line, double day, const DrawRecord& tail)
{
    QString rest = line;
    const qsizetype comma = rest.indexOf(QLatin1Char(','));
    if (comma >= 0)
        rest.remove(0, comma + 1);
    DrawRecord record = tail;
    record.date = day;
    record.bonus = 0;
    record.superzahl = 0;
    for (std::size_t i = 0; i < 6; ++i) {
        const auto n = takeNumber(rest, QLatin1Char(i < 5 ? ',' : ';'));
        if (!n)
            return {std::nullopt, rest};
        record.numbers[i] = static_cast<std::uint8_t>(*n & 0xFF);
    }
    return {record, {}};
}

QString updateRequestUrl(const QString& server, double day)
{
    return joinUrl(server, QStringLiteral("/lotto/PELVANO.asp?Programm=PELVANO&Datum=")) +
           dateFromDay(day).toString(QStringLiteral("yyyyMMdd"));
}

namespace {

// One run of the update: the day loop, with the draw file's last record as the tail of every
// new record.
class Updater {
public:
    Updater(const QString& drawPath, const QString& server, HttpGet& http, UpdateObserver& observer,
            UpdateResult& result)
        : m_path(drawPath), m_server(server), m_http(http), m_observer(observer), m_result(result)
    {
    }

    // False when the draw file cannot be used; the result says why.
    bool open(DatePicker& chosenDate);
    // One day: false ends the update (a transport failure, a failing line, a file error).
    bool fetchDay(double day, ShownDraw& shown);

private:
    void status(int panel, const QString& text)
    {
        if (panel == 0)
            m_result.lastStatus = text;
        m_observer.status(panel, text);
    }
    bool storeLines(const QByteArray& body, double day, ShownDraw& shown);

    QString m_path;
    QString m_server;
    HttpGet& m_http;
    UpdateObserver& m_observer;
    UpdateResult& m_result;
    DrawRecord m_tail; // all zero for an empty file
};

bool Updater::open(DatePicker& chosenDate)
{
    if (!QFileInfo::exists(m_path)) {
        if (const Status created = drawfile::createEmpty(m_path); !created) {
            m_result.fileError = created.error();
            return false;
        }
    }
    const auto records = drawfile::read(m_path);
    if (!records) {
        m_result.fileError = records.error();
        return false;
    }
    if (!records->empty())
        m_tail = records->back();
    if (m_tail.date > 0)
        chosenDate.setDate(m_tail.date);
    chosenDate.setDate(chosenDate.date() + 1);
    return true;
}

bool Updater::fetchDay(double day, ShownDraw& shown)
{
    const auto port = parseProxyPort(m_observer.proxyPort());
    const QString host = m_observer.proxyHost().trimmed();
    if (!host.isEmpty() && !port) {
        status(0, fillIn(text(Text::UpdateProxyPortNoNumber), {m_observer.proxyPort()}));
        return false;
    }
    status(0, text(Text::UpdateLoading));
    ++m_result.requests;
    const auto answer = m_http.get(updateRequestUrl(m_server, day), {host, port.value_or(80)});
    if (!answer) {
        status(0, fillIn(text(Text::UpdateNoAnswer), {answer.error()}));
        return false;
    }
    status(0, fillIn(text(Text::UpdateReceivedBytes), {QString::number(answer->body.size())}));
    status(1, text(Text::UpdateAccuracyNotice));
    if (answer->tooLarge) {
        status(0, fillIn(text(Text::UpdateAnswerTooLarge), {formatDate(day)}));
        return true;
    }
    if (answer->status == 500) {
        status(0, fillIn(text(Text::UpdateNotThereYet), {formatDate(day)}));
        return true;
    }
    if (answer->status > 200) {
        status(0, fillIn(text(Text::UpdateFailedStatus),
                         {QString::number(answer->status), answer->statusText}));
        return true;
    }
    return answer->status != 200 || storeLines(answer->body, day, shown);
}

bool Updater::storeLines(const QByteArray& body, double day, ShownDraw& shown)
{
    for (const QByteArray& raw : splitLines(body)) {
        const UpdateLine line = parseUpdateLine(QString::fromLatin1(raw), day, m_tail);
        if (!line.record) {
            m_result.failingLine = line.unread;
            return false;
        }
        // Each record is written whole and at once: an update stopped at any moment leaves the
        // records before it in the file and no part of a record.
        if (const Status written = drawfile::append(m_path, {*line.record}); !written) {
            m_result.fileError = written.error();
            return false;
        }
        m_result.appended.push_back(*line.record);
        shown.show(*line.record, 3);
        m_observer.drawStored(*line.record, shown);
    }
    return true;
}

} // namespace

UpdateResult runOnlineUpdate(const QString& drawPath, const QString& server, double today,
                             DatePicker& chosenDate, ShownDraw& shown, HttpGet& http,
                             UpdateObserver& observer)
{
    UpdateResult result;
    Updater updater(drawPath, server, http, observer, result);
    if (!updater.open(chosenDate))
        return result;
    while (chosenDate.date() <= today) {
        const double day = chosenDate.date();
        if (!updater.fetchDay(day, shown))
            break;
        if (!chosenDate.setDate(day + 1) || !observer.goOn())
            break;
    }
    return result;
}

} // namespace vendrilo
