// SPDX-License-Identifier: GPL-3.0-or-later
// The window's side of the online update, the portal hand-over and the link labels.
#include "core/program/drawactions.h"
#include "core/program/onlineactions.h"
#include "core/texts/textlist.h"
#include "gui/session.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>

namespace vendrilo::gui {

namespace {

// The link label whose caption holds this name opens the partner's counting link instead.
const QString kPartnerName = QStringLiteral("doviduve");
const QUrl kPartnerLink(
    QStringLiteral("https://www.doviduve.de/click.asp?ref=quirlend&site=vendrilo&type=text&tnb=1"));

} // namespace

void Session::setServer(const QString& address)
{
    m_state.internet.server = address.trimmed();
    Q_EMIT internetChanged();
}

void Session::setInternetText(QString InternetOptions::*field, const QString& text)
{
    if (m_state.internet.*field == text)
        return;
    m_state.internet.*field = text;
    Q_EMIT internetChanged();
}

void Session::setLinkPage(bool on)
{
    m_state.internet.linkPage = on;
    Q_EMIT internetChanged();
}

void Session::setTicketOptions(int superzahlOption, int extraGamesOption)
{
    if (superzahlOption >= 0)
        m_state.carried.superzahlOption = superzahlOption;
    if (extraGamesOption >= 0)
        m_state.carried.super6Spiel77Option = extraGamesOption;
    Q_EMIT internetChanged();
}

void Session::fetchNewDraws()
{
    if (m_updateRunning || m_generationRunning)
        return;
    if (m_state.internet.server.isEmpty()) {
        m_prompts.message(text(Text::NoUpdateServerMessage));
        return;
    }
    runUpdate();
}

void Session::fetchNewDrawsAtStartUp()
{
    if (m_state.internet.server.isEmpty())
        setStatusText(0, text(Text::NoUpdateServerStatus));
    else
        runUpdate();
}

void Session::runUpdate()
{
    // The window shows each stored draw, and the proxy fields are read again before each day.
    class Observer : public UpdateObserver {
    public:
        explicit Observer(Session* s) : m_s(s) {}
        QString proxyHost() override { return m_s->m_state.internet.proxyHost; }
        QString proxyPort() override { return m_s->m_state.internet.proxyPort; }
        void status(int panel, const QString& text) override { m_s->setStatusText(panel, text); }
        void drawStored(const DrawRecord&, const ShownDraw&) override
        {
            // The sheet's colours follow the draw on screen; the sound waits for the end.
            evaluateShownDraw(m_s->m_state);
            Q_EMIT m_s->shownDrawChanged();
            Q_EMIT m_s->sheetChanged();
        }
        bool goOn() override
        {
            QApplication::processEvents(); // a click on the stop button is seen here
            return !m_s->m_stopUpdate;
        }

    private:
        Session* m_s;
    } observer(this);

    m_updateRunning = true;
    m_stopUpdate = false;
    Q_EMIT updateRunningChanged(true);
    // Both games, one after the other; the status bar ends with what each of them came to.
    const DrawUpdate result = updateDraws(m_state, today(), m_http, observer, true);
    m_updateRunning = false;
    Q_EMIT updateRunningChanged(false);
    Q_EMIT shownDrawChanged();
    Q_EMIT periodChanged();
    setStatusText(0, bothGamesStatus(result, m_state.game));
    if (result.update.failingLine)
        m_prompts.message(*result.update.failingLine);
    if (result.otherGame && result.otherGame->result.failingLine)
        m_prompts.message(QLatin1String(gameInfo(result.otherGame->game).title) +
                          QStringLiteral(": ") + *result.otherGame->result.failingLine);
    const std::optional<QString> otherFileError =
        result.otherGame ? result.otherGame->result.fileError : std::nullopt;
    for (const auto& error : {result.update.fileError, otherFileError, result.searchError})
        if (error)
            m_prompts.message(*error);
    if (result.evaluation)
        applyEvaluation(*result.evaluation);
    Q_EMIT drawsChanged();
}

void Session::sendSheetToPortal()
{
    if (m_state.internet.server.isEmpty()) {
        m_prompts.message(text(Text::NoUpdateServerMessage));
        return;
    }
    const auto handOver = handOverSheet(m_state, m_http);
    if (reportFailure(handOver))
        return;
    if (!handOver->messagePage.isEmpty()) {
        openWrittenFile(handOver->messagePage);
        return;
    }
    if (openAddress(QUrl(handOver->address)))
        setStatusText(1, text(Text::CheckTheCart));
}

void Session::openLink(const QString& caption)
{
    if (caption.contains(kPartnerName)) {
        openAddress(kPartnerLink);
        return;
    }
    // Captions read "www.…": a web address without its scheme. Nothing else is opened.
    const QUrl url = QUrl::fromUserInput(caption.trimmed());
    if (isWebAddress(url.toString()))
        openAddress(url);
}

void Session::openWrittenFile(const QString& path)
{
    if (!m_openUrl(QUrl::fromLocalFile(path)))
        m_prompts.message(text(Text::NoViewerFound) + QLatin1Char('\n') +
                          QDir::toNativeSeparators(path));
}

bool Session::openAddress(const QUrl& url)
{
    if (m_openUrl(url))
        return true;
    QGuiApplication::clipboard()->setText(url.toString());
    m_prompts.message(text(Text::NoBrowserFound) + QLatin1Char('\n') + url.toString());
    return false;
}

} // namespace vendrilo::gui
