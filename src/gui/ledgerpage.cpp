// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/ledgerpage.h"

#include "core/draws/dates.h"
#include "gui/chartbuttons.h"
#include "gui/chartwidgets.h"
#include "gui/controls.h"
#include "core/texts/textlist.h"
#include "gui/ledgerkeeper.h"
#include "gui/playpanel.h"
#include "gui/session.h"

#include <QDateEdit>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vendrilo::gui {

using namespace ledger;

namespace {

enum Column { Id, Date, Draws, Rows, Plus, Stake, Won, Balance, Note, ColumnCount };

QTableWidgetItem* cell(const QString& text, Qt::Alignment alignment = Qt::AlignRight)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

QDateTime chartTime(double day)
{
    return QDateTime(dateFromDay(day), QTime(12, 0));
}

} // namespace

LedgerPage::LedgerPage(LedgerKeeper& keeper, QWidget* parent) : QWidget(parent), m_keeper(keeper)
{
    auto* layout = new QVBoxLayout(this);
    m_table = new QTableWidget(0, ColumnCount, this);
    m_table->setObjectName(QStringLiteral("LedgerTable"));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_table->horizontalHeader()->setStretchLastSection(true);
    // The head is a part of the table, as Qt names its own parts; it takes no texts from the
    // language files (the program writes the column heads itself).
    m_table->horizontalHeader()->setObjectName(QStringLiteral("qt_LedgerTableHead"));
    layout->addWidget(m_table, 3);
    layout->addWidget(buildActions());
    layout->addWidget(buildPeriod());
    m_totals = new QLabel(this);
    m_totals->setObjectName(QStringLiteral("LedgerTotals"));
    m_classes = new QLabel(this);
    m_classes->setObjectName(QStringLiteral("LedgerClasses"));
    layout->addWidget(m_totals);
    layout->addWidget(m_classes);
    // The balance's chart; where the charts' module is missing, why.
    if (const ChartWidgets* charts = chartWidgets(&m_chartMissingWhy)) {
        m_chart = charts->makeBalanceChart(this);
        layout->addWidget(m_chart->widget(), 3);
    } else {
        m_chartMissing = new QLabel(this);
        m_chartMissing->setObjectName(QStringLiteral("LedgerChartMissing"));
        m_chartMissing->setWordWrap(true);
        layout->addWidget(m_chartMissing, 3);
    }

    connect(&m_keeper, &LedgerKeeper::ledgerChanged, this, [this] {
        if (isVisible())
            showLedger();
    });
    connect(m_table, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        m_keeper.openTicket(m_table->item(row, Id)->data(Qt::UserRole).toLongLong());
    });
    showTexts();
}

QWidget* LedgerPage::buildActions()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    using Action = void (*)(LedgerKeeper&, qint64);
    const struct {
        const char* name;
        const char* caption;
        const char* hint;
        Action action;
    } actions[] = {
        {"LedgerOpen", "Öffnen", "Den Schein wieder auf den Tippschein legen",
         [](LedgerKeeper& k, qint64 t) { k.openTicket(t); }},
        {"LedgerNote", "Notiz", "Eine Notiz zum Schein schreiben",
         [](LedgerKeeper& k, qint64 t) { k.annotateTicket(t); }},
        {"LedgerPrize", "Gewinn eintragen",
         "Den Betrag eines noch offenen Gewinns so eintragen, wie er auf dem Schein steht",
         [](LedgerKeeper& k, qint64 t) { k.enterOpenPrizes(t); }},
        {"LedgerDelete", "Löschen", "Den Schein mit seinen Prüfungen aus dem Konto löschen",
         [](LedgerKeeper& k, qint64 t) { k.deleteTicket(t); }},
    };
    for (const auto& a : actions) {
        auto* button =
            pushButton(bar, a.name, QString::fromUtf8(a.caption), QString::fromUtf8(a.hint));
        const Action action = a.action;
        connect(button, &QPushButton::clicked, this, [this, action] {
            if (const auto ticket = chosenTicket())
                action(m_keeper, *ticket);
        });
        row->addWidget(button);
    }
    row->addStretch(1);
    auto* csv = pushButton(bar, "LedgerExport", QStringLiteral("Export"),
                           QStringLiteral("Alle Scheine als CSV-Datei für eine Tabellenkalkulation "
                                          "speichern"));
    connect(csv, &QPushButton::clicked, this, &LedgerPage::chooseExportFile);
    row->addWidget(csv);
    return bar;
}

QWidget* LedgerPage::buildPeriod()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    // Tickets run ahead of today: their first draw may lie up to a coupon's length ahead.
    const double latest = m_keeper.session().today() + 7 * kMaxDraws;
    m_from = datePicker(bar, "LedgerFrom", latest);
    m_to = datePicker(bar, "LedgerTo", latest);
    auto* whole = pushButton(bar, "LedgerWholePeriod", QStringLiteral("Alle"),
                             QStringLiteral("Der Zeitraum vom ersten bis zum letzten Schein"));
    row->addWidget(namedLabel(bar, "LedgerPeriodLabel", QStringLiteral("Summen der Scheine vom")));
    row->addWidget(m_from);
    row->addWidget(namedLabel(bar, "LedgerPeriodUntil", QStringLiteral("bis")));
    row->addWidget(m_to);
    row->addWidget(whole);
    row->addStretch(1);
    for (QDateEdit* picker : {m_from, m_to})
        connect(picker, &QDateEdit::dateChanged, this, [this] {
            m_periodChosen = true;
            showTotals();
        });
    connect(whole, &QPushButton::clicked, this, [this] {
        m_periodChosen = false;
        showLedger();
    });
    return bar;
}

void LedgerPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    showLedger();
}

void LedgerPage::showLedger()
{
    m_lines = m_keeper.lines();
    if (!m_periodChosen) {
        // From the first ticket to the last; without any, today.
        const double today = m_keeper.session().today();
        const QSignalBlocker quietFrom(m_from);
        const QSignalBlocker quietTo(m_to);
        setPickerDay(m_from, m_lines.empty() ? today : m_lines.front().ticket.firstDraw);
        setPickerDay(m_to, m_lines.empty() ? today : m_lines.back().ticket.firstDraw);
    }
    showTable();
    showChart();
    showTexts();
}

void LedgerPage::showTexts()
{
    m_table->setHorizontalHeaderLabels(text(Text::LedgerColumns).split(QLatin1Char('|')));
    if (m_chart)
        m_chart->setTitle(text(Text::LedgerChartTitle));
    if (m_chartMissing)
        m_chartMissing->setText(chartModuleMissingText(m_chartMissingWhy));
    // The sums wait until the tab is shown: a label the language files meet holds no text of
    // its own before.
    if (isVisible())
        showTotals();
}

void LedgerPage::showTable()
{
    const QString open = text(Text::LedgerOpen);
    m_table->setRowCount(static_cast<int>(m_lines.size()));
    for (int r = 0; r < m_table->rowCount(); ++r) {
        const TicketLine& line = m_lines[static_cast<std::size_t>(r)];
        const Ticket& t = line.ticket;
        auto* id = cell(QString::number(t.id));
        id->setData(Qt::UserRole, t.id);
        m_table->setItem(r, Id, id);
        m_table->setItem(r, Date, cell(formatDate(t.firstDraw), Qt::AlignLeft));
        m_table->setItem(r, Draws, cell(QString::number(t.draws)));
        m_table->setItem(r, Rows, cell(QString::number(t.rows.size())));
        m_table->setItem(r, Plus, cell(t.plus ? QStringLiteral("✓") : QString(), Qt::AlignCenter));
        m_table->setItem(r, Stake, cell(formatZloty(t.stake)));
        m_table->setItem(r, Won,
                         cell(formatZloty(line.won) +
                              (line.prizeOpen ? QStringLiteral(" + ") + open : QString())));
        auto* balance = cell(formatZloty(line.balance));
        balance->setForeground(line.balance.grosze < 0 ? QColor(0xC0, 0, 0) : QColor(0, 0x80, 0));
        m_table->setItem(r, Balance, balance);
        m_table->setItem(r, Note, cell(t.note, Qt::AlignLeft));
    }
    m_table->resizeColumnsToContents();
}

void LedgerPage::showTotals()
{
    const Totals totals = totalsOf(m_lines, dayFromDate(m_from->date()), dayFromDate(m_to->date()));
    const auto percent = totals.returnPercent();
    QString won = formatZloty(totals.won);
    if (totals.prizeOpen)
        won += QStringLiteral(" + ") + text(Text::LedgerOpen);
    m_totals->setText(fillIn(text(Text::LedgerTotals),
                             {QString::number(totals.tickets), formatZloty(totals.stake), won,
                              formatZloty(totals.balance()),
                              percent ? QLocale().toString(*percent, 'f', 1) + QStringLiteral(" %")
                                      : QStringLiteral("–")}));
    QStringList classes[kGameCount];
    for (std::size_t g = 0; g < totals.wins.size(); ++g)
        for (int hits = 6; hits >= 3; --hits)
            classes[g] << QStringLiteral("%1: %2").arg(hits).arg(
                totals.wins[g][static_cast<std::size_t>(hits)]);
    m_classes->setText(
        fillIn(text(Text::LedgerWinClasses),
               {classes[0].join(QStringLiteral(", ")), classes[1].join(QStringLiteral(", "))}));
}

void LedgerPage::showChart()
{
    if (!m_chart)
        return;
    std::vector<BalancePoint> points;
    for (const TicketLine& line : m_lines)
        points.push_back(
            {chartTime(line.ticket.firstDraw), static_cast<double>(line.balance.grosze) / 100.0});
    // No ticket yet: the period's days, not the clock's first day.
    const QDateTime from = m_lines.empty() ? m_from->date().startOfDay()
                                           : chartTime(m_lines.front().ticket.firstDraw - 1);
    const QDateTime to = m_lines.empty() ? m_to->date().addDays(1).startOfDay()
                                         : chartTime(m_lines.back().ticket.firstDraw + 1);
    m_chart->showBalance(points, from, to, text(Text::LedgerChartTitle));
}

std::optional<qint64> LedgerPage::chosenTicket()
{
    const int row = m_table->currentRow();
    if (row < 0 || !m_table->item(row, Id)) {
        m_keeper.showMessage(text(Text::LedgerChooseTicket));
        return std::nullopt;
    }
    return m_table->item(row, Id)->data(Qt::UserRole).toLongLong();
}

void LedgerPage::chooseExportFile()
{
    const QString path = QFileDialog::getSaveFileName(this, QString(), m_keeper.exportProposal(),
                                                      text(Text::LedgerCsvFilter));
    if (!path.isEmpty())
        m_keeper.exportCsv(path);
}

LedgerKeeper* installLedgerKeeper(Session& session, QWidget* sheetPage)
{
    auto* keeper = new LedgerKeeper(session, sheetPage);
    // "Spielen" closes the sheet's column of actions, where the page has room to spare in
    // every language at 800x600.
    auto* actions = sheetPage->findChild<QWidget*>(controlName(Control::SheetActions));
    if (auto* column = actions ? qobject_cast<QBoxLayout*>(actions->layout()) : nullptr) {
        column->insertSpacing(column->count() - 1, 12);
        column->insertWidget(column->count() - 1, new PlayPanel(*keeper, actions));
    }
    QObject::connect(&session, &Session::drawsChanged, keeper,
                     &LedgerKeeper::checkTicketsForNewDraws);
    return keeper;
}

LedgerPage* makeLedgerPage(Session& session, LedgerKeeper& keeper, QWidget* parent)
{
    auto* page = new LedgerPage(keeper, parent);
    // A language switch writes the program's texts anew, the shown draw's line among them.
    QObject::connect(&session, &Session::shownDrawChanged, page, &LedgerPage::showTexts);
    return page;
}

} // namespace vendrilo::gui
