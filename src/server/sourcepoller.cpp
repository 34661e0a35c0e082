// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/sourcepoller.h"

#include "core/draws/dates.h"
#include "core/draws/drawfile.h"
#include "net/httpclient.h"
#include "server/resultsapi.h"

#include <QDateTime>
#include <QRandomGenerator>

#include <cmath>
#include <cstdio>

namespace vendrilo::server {

namespace {

// The client waits in a local event loop, in which the other source's timer may fire: one poll
// at a time, the other waits a moment.
bool polling = false;

void logLine(const QString& line)
{
    const QByteArray bytes =
        (QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss ")) + line)
            .simplified()
            .toUtf8() +
        '\n';
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

Result<QByteArray> fetch(const SourceOption& source, const QString& apiBase)
{
    net::HttpClient http;
    QString url = source.url;
    if (!source.apiKey.isEmpty()) {
        http.addHeader("accept", "application/json");
        http.addHeader("secret", source.apiKey.toLatin1());
        url = resultsApiUrl(apiBase);
    }
    const auto answer = http.get(url, {});
    if (!answer)
        return Error{QStringLiteral("not reached, nothing changed: ") + answer.error()};
    if (answer->tooLarge)
        return Error{QStringLiteral("refused, nothing changed: the answer is larger than 1 MB")};
    if (answer->status != 200)
        return Error{QStringLiteral("refused, nothing changed: the answer is %1 %2")
                         .arg(answer->status)
                         .arg(answer->statusText)};
    if (source.apiKey.isEmpty())
        return answer->body;
    auto lines = resultLinesFromApi(answer->body, source.game);
    if (!lines)
        return Error{QStringLiteral("refused, nothing changed: ") + lines.error()};
    return lines;
}

} // namespace

SourcePoller::SourcePoller(const SourceOption& source, QString drawPath,
                           const ServerOptions& options, QObject* parent)
    : QObject(parent), m_source(source), m_drawPath(std::move(drawPath)), m_options(options)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &SourcePoller::poll);
}

void SourcePoller::start()
{
    m_timer.start(0);
}

QString SourcePoller::where() const
{
    return QLatin1String(gameInfo(m_source.game).name) + QLatin1Char(' ') +
           (m_source.apiKey.isEmpty() ? m_source.url : QStringLiteral("api"));
}

void SourcePoller::scheduleNext()
{
    const double spread = 0.9 + 0.2 * QRandomGenerator::global()->generateDouble();
    m_timer.start(static_cast<int>(std::llround(m_options.pollMinutes * 60000 * spread)));
}

void SourcePoller::poll()
{
    if (polling) {
        m_timer.start(100);
        return;
    }
    polling = true;
    const auto text = fetch(m_source, m_options.apiBase);
    QString line;
    if (!text) {
        line = text.error();
    } else {
        const double today = m_options.today.value_or(systemToday());
        const Outcome outcome =
            merge(*text, m_drawPath, {gameInfo(m_source.game).firstDrawDay, today},
                  m_source.apiKey.isEmpty() ? m_drawsBefore : std::nullopt);
        if (outcome.draws)
            m_drawsBefore = outcome.draws;
        line = outcome.text;
    }
    logLine(where() + QStringLiteral(": ") + line);
    polling = false;
    scheduleNext();
}

SourcePoller::Outcome SourcePoller::merge(const QByteArray& text, const QString& drawPath,
                                          DrawDays days, std::optional<int> drawsBefore)
{
    Outcome outcome;
    const auto stored = drawfile::read(drawPath);
    if (!stored) {
        outcome.text = QStringLiteral("cannot read the draw file: ") + stored.error();
        return outcome;
    }
    const DrawImport import = importDrawText(*stored, text, days);
    const int draws = import.added + import.present;
    if (!import.foundAnyDraw) {
        outcome.text = QStringLiteral("refused, nothing changed: no draw in the answer");
    } else if (import.refusedCount > 0) {
        // The reason in the words of import-draws.
        outcome.text = QStringLiteral("refused, nothing changed: %1 line(s) refused, line %2: %3")
                           .arg(import.refusedCount)
                           .arg(import.refused.front().line)
                           .arg(refusalReasonInEnglish(import.refused.front(), days.first));
    } else if (drawsBefore && draws < *drawsBefore) {
        outcome.text = QStringLiteral("refused, nothing changed: the list holds %1 draws, %2 at "
                                      "the last poll")
                           .arg(draws)
                           .arg(*drawsBefore);
    } else if (import.added == 0) {
        outcome.draws = draws;
        outcome.text = QStringLiteral("no new draws (%1 in the list)").arg(draws);
    } else if (const Status written = drawfile::rewrite(drawPath, import.records); !written) {
        outcome.text = QStringLiteral("cannot write, nothing changed: ") + written.error();
    } else {
        outcome.draws = draws;
        outcome.changed = true;
        outcome.text = QStringLiteral("%1 new draw(s), the newest of %2")
                           .arg(import.added)
                           .arg(formatDate(import.addedRecords.back().date));
    }
    return outcome;
}

} // namespace vendrilo::server
