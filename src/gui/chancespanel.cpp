// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/chancespanel.h"

#include "core/money/odds.h"
#include "core/program/moneyactions.h"
#include "gui/controls.h"
#include "gui/session.h"
#include "gui/sheetpage.h"

#include <QFutureWatcher>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QtConcurrent>

namespace vendrilo::gui {

namespace {

// "1 : 56,66" in the window's locale; "–" when no draw gives it.
QString oddsLine(qint64 draws)
{
    if (draws <= 0)
        return QStringLiteral("–");
    const QLocale locale;
    const double x = static_cast<double>(kPossibleDraws) / static_cast<double>(draws);
    return QStringLiteral("1 : ") + locale.toString(x, 'f', draws == 1 ? 0 : 2);
}

// What a worker needs: copies, so that the window may change everything meanwhile.
struct OddsRequest {
    std::vector<std::array<int, 6>> rows;
    bool withPlus = false;
    double day = 0;
    TicketPrices prices;
    PayoutTable payouts;
};

} // namespace

ChancesPanel::ChancesPanel(Session& session, SheetPage& page, QWidget* parent)
    : QGroupBox(QStringLiteral("Chancen"), parent), m_session(session)
{
    setObjectName(QStringLiteral("ChancenBox"));
    setToolTip(QStringLiteral("Genau gezählt über alle 13.983.816 möglichen Ziehungen"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 2, 6, 2);
    grid->setVerticalSpacing(0);
    grid->setHorizontalSpacing(12);
    // Two pairs of columns: the odds of one row on the left, the sheet's on the right.
    const char* classNames[][2] = {{"Chance6Label", "Chance6"},
                                   {"Chance5Label", "Chance5"},
                                   {"Chance4Label", "Chance4"},
                                   {"Chance3Label", "Chance3"}};
    for (int k = 0; k < 4; ++k)
        m_classOdds[static_cast<std::size_t>(k)] = addLine(
            k, 0, classNames[k][0], QStringLiteral("%1 Richtige").arg(6 - k), classNames[k][1]);
    m_anyOdds = addLine(0, 2, "ChanceRowLabel", QStringLiteral("Gewinn je Tipp"), "ChanceRow");
    m_sheetOdds =
        addLine(1, 2, "ChanceSheetLabel", QStringLiteral("Gewinn im Schein"), "ChanceSheet");
    m_expected = addLine(2, 2, "ExpectedLabel", QStringLiteral("Erwarteter Gewinn*"), "Expected");
    m_perZloty = addLine(3, 2, "PerZlotyLabel", QStringLiteral("je zł Einsatz*"), "PerZloty");
    auto* note =
        namedLabel(this, "ChancenNote",
                   QStringLiteral("* 4–6 Richtige zum Mittel der Quoten der letzten 12 Monate"));
    grid->addWidget(note, 4, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    for (int r = 1; r <= 12; ++r)
        for (int p = 1; p <= 6; ++p)
            connect(page.field(r, p), &QLineEdit::textChanged, this, &ChancesPanel::requestOdds);
    connect(&session, &Session::sheetChanged, this, &ChancesPanel::requestOdds);
    connect(&session, &Session::periodChanged, this, &ChancesPanel::requestOdds);
    connect(&session, &Session::internetChanged, this, &ChancesPanel::requestOdds);
    connect(&session, &Session::moneyFiguresWanted, this, &ChancesPanel::requestOdds);
}

ChancesPanel::~ChancesPanel()
{
    if (m_stopCount)
        m_stopCount->store(true);
}

QLabel* ChancesPanel::addLine(int line, int column, const char* captionName, const QString& caption,
                              const char* valueName)
{
    auto* grid = static_cast<QGridLayout*>(layout());
    grid->addWidget(namedLabel(this, captionName, caption), line, column);
    QLabel* value = namedLabel(this, valueName);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(value, line, column + 1);
    return value;
}

void ChancesPanel::setPlayedWithPlus(bool withPlus)
{
    m_withPlus = withPlus;
    requestOdds();
}

void ChancesPanel::requestOdds()
{
    if (!m_session.moneyFiguresShown())
        return;
    const ProgramState& state = m_session.state();
    OddsRequest request{playableNumbers(state.sheet), m_withPlus, state.chosenDate.date(),
                        ticketPrices(state.internet), m_session.payoutTable()};
    // The count still running answers a sheet that is gone: it stops at its next check.
    if (m_stopCount)
        m_stopCount->store(true);
    auto stop = std::make_shared<std::atomic<bool>>(false);
    m_stopCount = stop;
    const int number = ++m_newest;
    ++m_running;
    auto* watcher = new QFutureWatcher<SheetOdds>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, number] {
        watcher->deleteLater();
        --m_running;
        if (number == m_newest)
            showOdds(watcher->result());
    });
    watcher->setFuture(QtConcurrent::run([request = std::move(request), stop] {
        return sheetOdds(request.rows, request.withPlus, request.day, request.prices,
                         request.payouts, [stop] { return !stop->load(); });
    }));
}

void ChancesPanel::showOdds(const SheetOdds& odds)
{
    for (int k = 0; k < 4; ++k)
        m_classOdds[static_cast<std::size_t>(k)]->setText(oddsLine(drawsGivingHits(6 - k)));
    m_anyOdds->setText(oddsLine(drawsGivingAPrize()));
    const bool rows = odds.rows > 0;
    m_sheetOdds->setText(rows && odds.winningDraws ? oddsLine(*odds.winningDraws)
                                                   : QStringLiteral("–"));
    const QString open = odds.expectedComplete ? QString() : QStringLiteral(" + ?");
    m_expected->setText(rows ? formatZloty(odds.expected) + open : QStringLiteral("–"));
    // The return per zł staked: the same for every row, whatever its numbers.
    const bool priced = rows && odds.stake && odds.stake->grosze > 0;
    m_perZloty->setText(
        priced ? formatZloty(Money{(odds.expected.grosze * 100 + odds.stake->grosze / 2) /
                                   odds.stake->grosze}) +
                     open
               : QStringLiteral("–"));
    Q_EMIT oddsShown();
}

} // namespace vendrilo::gui
