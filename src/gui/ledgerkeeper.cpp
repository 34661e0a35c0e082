// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/ledgerkeeper.h"

#include "core/draws/dates.h"
#include "core/io/atomicfile.h"
#include "core/program/ledgeractions.h"
#include "core/texts/textlist.h"
#include "gui/session.h"
#include "ledger/sqliteledger.h"

#include <QDir>
#include <QFileInfo>

namespace vendrilo::gui {

using namespace ledger;

LedgerKeeper::LedgerKeeper(Session& session, QObject* parent) : QObject(parent), m_session(session)
{
}

LedgerKeeper::~LedgerKeeper() = default;

void LedgerKeeper::showMessage(const QString& text)
{
    m_session.prompts().message(text);
}

QString LedgerKeeper::exportProposal() const
{
    return m_session.state().programFolder + QStringLiteral("Vendrilo-Konto.csv");
}

template <typename R> bool LedgerKeeper::reportFailure(const R& result)
{
    if (result.ok())
        return false;
    m_session.prompts().message(result.error());
    return true;
}

SqliteLedger* LedgerKeeper::store(bool create)
{
    const ProgramState& state = m_session.state();
    if (state.programFolder.isEmpty())
        return nullptr; // before start-up the folder is not known
    const QString path = ledgerPathIn(state);
    if (m_store && m_openedFor == path)
        return m_store.get();
    m_store.reset();
    if (!create && !QFileInfo::exists(path))
        return nullptr;
    auto opened = openLedger(path);
    if (!opened) {
        // Every action would fail the same way: the user hears it once per file.
        if (!m_failureShown || m_openedFor != path)
            m_session.prompts().message(opened.error());
        m_failureShown = true;
        m_openedFor = path;
        return nullptr;
    }
    if (!opened->notice.isEmpty())
        m_session.prompts().message(opened->notice);
    m_store = std::move(opened->ledger);
    m_openedFor = path;
    m_failureShown = false;
    return m_store.get();
}

void LedgerKeeper::playSheet(bool plus, int draws)
{
    if (m_session.busy())
        return; // a run or an update owns the sheet and the shown draw
    SqliteLedger* ledger = store(true);
    if (!ledger)
        return;
    const ProgramState& state = m_session.state();
    const auto histories = readGameHistories(state);
    if (reportFailure(histories))
        return;
    const auto ticket = ticketFromSheet(state, histories->lotto, plus, draws);
    if (reportFailure(ticket))
        return;
    const auto id = ledger->addTicket(*ticket);
    if (reportFailure(id))
        return;
    m_session.setStatusText(0, fillIn(text(Text::LedgerTicketPlayed),
                                      {QString::number(*id), QString::number(ticket->rows.size()),
                                       QString::number(ticket->draws),
                                       formatDate(ticket->firstDraw), formatZloty(ticket->stake)}));
    Q_EMIT ledgerChanged();
    checkTicketsForNewDraws();
}

void LedgerKeeper::checkTicketsForNewDraws()
{
    SqliteLedger* ledger = store();
    if (!ledger)
        return;
    const auto report = checkTickets(m_session.state(), *ledger);
    if (!report) {
        // Checks run by themselves when draws arrive: a word in the status bar, no box.
        m_session.setStatusText(0, report.error());
        return;
    }
    announceWins(report->newWins, report->checked, report->rechecked);
    Q_EMIT ledgerChanged();
}

void LedgerKeeper::announceWins(const std::vector<Win>& wins, int checked, int rechecked)
{
    QStringList notes;
    if (!wins.empty()) {
        Money known;
        bool open = false;
        for (const Win& win : wins) {
            known += win.prize.value_or(Money{});
            open = open || !win.prize;
        }
        QString amount = formatZloty(known);
        if (open)
            amount += QStringLiteral(" + ") + text(Text::LedgerOpen);
        notes << fillIn(text(Text::LedgerWinsFound), {QString::number(wins.size()), amount});
    } else if (checked > 0) {
        notes << fillIn(text(Text::LedgerChecked), {QString::number(checked)});
    }
    if (rechecked > 0)
        notes << fillIn(text(Text::LedgerRechecked), {QString::number(rechecked)});
    if (!notes.isEmpty())
        m_session.setStatusText(0, notes.join(QStringLiteral(" · ")));
    if (!wins.empty())
        Q_EMIT m_session.hitSoundWanted();
}

std::vector<TicketLine> LedgerKeeper::lines()
{
    SqliteLedger* ledger = store();
    if (!ledger)
        return {};
    const auto tickets = ledger->tickets();
    const auto checks = ledger->checks();
    if (reportFailure(tickets) || reportFailure(checks))
        return {};
    return ticketLines(*tickets, *checks);
}

std::vector<DrawCheck> LedgerKeeper::checksOf(qint64 ticket)
{
    SqliteLedger* ledger = store();
    if (!ledger)
        return {};
    const auto checks = ledger->checks();
    if (reportFailure(checks))
        return {};
    std::vector<DrawCheck> own;
    for (const DrawCheck& c : *checks)
        if (c.key.ticket == ticket)
            own.push_back(c);
    return own;
}

std::optional<Ticket> LedgerKeeper::ticketById(qint64 ticket)
{
    SqliteLedger* ledger = store();
    if (!ledger)
        return std::nullopt;
    const auto tickets = ledger->tickets();
    if (reportFailure(tickets))
        return std::nullopt;
    for (const Ticket& t : *tickets)
        if (t.id == ticket)
            return t;
    return std::nullopt;
}

void LedgerKeeper::openTicket(qint64 ticket)
{
    if (m_session.busy())
        return;
    const auto t = ticketById(ticket);
    if (!t)
        return;
    m_session.showTicketOnSheet(*t);
    Q_EMIT ticketOpened(t->draws, t->plus);
}

void LedgerKeeper::annotateTicket(qint64 ticket)
{
    const auto t = ticketById(ticket);
    if (!t)
        return;
    const auto note = m_session.prompts().inputText(
        text(Text::LedgerNoteTitle),
        fillIn(text(Text::LedgerNotePrompt), {QString::number(ticket)}), t->note);
    if (!note || *note == t->note || reportFailure(m_store->setNote(ticket, *note)))
        return;
    Q_EMIT ledgerChanged();
}

void LedgerKeeper::deleteTicket(qint64 ticket)
{
    SqliteLedger* ledger = store();
    // The question's default button is "Nein": a hasty Enter keeps the ticket.
    if (!ledger || !m_session.prompts().askYesNo(
                       text(Text::LedgerDeleteTitle),
                       fillIn(text(Text::LedgerDeleteQuestion), {QString::number(ticket)})))
        return;
    if (reportFailure(ledger->removeTicket(ticket)))
        return;
    Q_EMIT ledgerChanged();
}

void LedgerKeeper::enterOpenPrizes(qint64 ticket)
{
    bool asked = false;
    for (const DrawCheck& check : checksOf(ticket)) {
        for (const DrawCheck::Row& row : check.rows) {
            if (!row.wins() || row.prize)
                continue;
            asked = true;
            const QString proposal = row.entered ? formatZloty(*row.entered) : QString();
            const auto answer = m_session.prompts().inputText(
                text(Text::LedgerPrizeTitle),
                fillIn(text(Text::LedgerPrizePrompt),
                       {QString::number(row.position), formatDate(check.day),
                        QString::fromLatin1(gameInfo(check.key.game).title),
                        QString::number(row.hits)}),
                proposal);
            if (!answer || *answer == proposal)
                continue;
            const bool cleared = answer->trimmed().isEmpty();
            const auto amount = cleared ? std::optional<Money>() : parseTypedAmount(*answer);
            if (!cleared && !amount) {
                m_session.prompts().message(fillIn(text(Text::LedgerNotAnAmount), {*answer}));
                continue;
            }
            if (reportFailure(m_store->setEnteredPrize(check.key, row.position, amount)))
                return;
        }
    }
    if (!asked)
        m_session.prompts().message(
            fillIn(text(Text::LedgerNoOpenPrize), {QString::number(ticket)}));
    Q_EMIT ledgerChanged();
}

void LedgerKeeper::exportCsv(const QString& path)
{
    const std::vector<TicketLine> all = lines();
    const QByteArray bytes = csvLines(all).join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
    if (reportFailure(writeFileAtomically(path, bytes)))
        return;
    m_session.setStatusText(0,
                            fillIn(text(Text::LedgerExported),
                                   {QString::number(all.size()), QDir::toNativeSeparators(path)}));
}

} // namespace vendrilo::gui
