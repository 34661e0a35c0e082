// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/wheelspage.h"

#include "core/program/wheelactions.h"
#include "core/wheels/wheellibrary.h"
#include "gui/controls.h"
#include "gui/numbergrid.h"
#include "gui/session.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

namespace vendrilo::gui {

using namespace vendrilo::wheels;

namespace {

QLabel* composedLabel(QWidget* parent, const char* name, const QString& caption)
{
    QLabel* label = namedLabel(parent, name);
    label->setProperty(kCaptionPrefix, caption);
    return label;
}

QSpinBox* spinBox(QWidget* parent, const char* name, int low, int high, int value)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(low, high);
    box->setValue(value);
    return box;
}

QString captionOf(const QLabel* label)
{
    return label->property(kCaptionPrefix).toString();
}

} // namespace

WheelsPage::WheelsPage(Session& session, std::function<void(const QUrl&)> openUrl, QWidget* parent)
    : QWidget(parent), m_session(session), m_openUrl(std::move(openUrl))
{
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(buildNumbers(), 0, Qt::AlignTop);
    auto* middle = new QVBoxLayout;
    middle->addWidget(buildChoice());
    middle->addWidget(buildSearch());
    middle->addStretch(1);
    layout->addLayout(middle, 1);
    layout->addWidget(buildRows(), 1);
    m_progressTimer = new QTimer(this);
    m_progressTimer->setInterval(100);
    connect(m_progressTimer, &QTimer::timeout, this, &WheelsPage::showSearchProgress);
    connect(&m_session, &Session::internetChanged, this, &WheelsPage::showPlan);
    connect(&m_session, &Session::generationRunningChanged, this, &WheelsPage::enableControls);
    choiceChanged();
}

WheelsPage::~WheelsPage()
{
    if (m_thread) {
        m_shared->cancel = true;
        m_thread->wait();
    }
}

QWidget* WheelsPage::buildNumbers()
{
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(namedLabel(box, "WheelNumbersLabel", QStringLiteral("Ihre Zahlen:")));
    m_grid = new NumberGrid(box);
    m_grid->setObjectName(QStringLiteral("WheelNumberGrid"));
    column->addWidget(m_grid);
    auto* buttons = new QHBoxLayout;
    auto* fromSheet = pushButton(box, "WheelFromSheet", QStringLiteral("Vom Schein"),
                                 QStringLiteral("Die Zahlen der Reihen des Scheins wählen"));
    auto* clear = pushButton(box, "WheelClearNumbers", QStringLiteral("Leeren"),
                             QStringLiteral("Alle Zahlen abwählen"));
    buttons->addWidget(fromSheet);
    buttons->addWidget(clear);
    column->addLayout(buttons);
    connect(m_grid, &NumberGrid::chosenChanged, this, &WheelsPage::choiceChanged);
    connect(fromSheet, &QPushButton::clicked, this, &WheelsPage::takeNumbersFromSheet);
    connect(clear, &QPushButton::clicked, this, [this] { m_grid->setChosen({}); });
    return box;
}

QWidget* WheelsPage::buildChoice()
{
    auto* group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("WheelChoice"));
    auto* grid = new QGridLayout(group);
    m_full = new QRadioButton(QStringLiteral("Voll"), group);
    m_full->setObjectName(QStringLiteral("WheelFull"));
    m_full->setToolTip(QStringLiteral("Jede Sechserreihe aus Ihren Zahlen"));
    m_abbreviated = new QRadioButton(QStringLiteral("gekürzt"), group);
    m_abbreviated->setObjectName(QStringLiteral("WheelAbbreviated"));
    m_abbreviated->setToolTip(QStringLiteral("Wenige Reihen mit geprüfter Garantie"));
    m_abbreviated->setChecked(true);
    grid->addWidget(m_full, 0, 0);
    grid->addWidget(m_abbreviated, 0, 1);
    grid->addWidget(namedLabel(group, "WheelHitsLabel", QStringLiteral("Garantie:")), 1, 0);
    m_hits = spinBox(group, "WheelHits", 2, 6, 3);
    grid->addWidget(m_hits, 1, 1);
    grid->addWidget(namedLabel(group, "WheelIfLabel", QStringLiteral("Richtige, wenn")), 2, 0);
    m_of = spinBox(group, "WheelOf", 2, 6, 6);
    grid->addWidget(m_of, 2, 1);
    auto* ofLabel =
        namedLabel(group, "WheelOfLabel", QStringLiteral("Gewinnzahlen unter Ihren Zahlen sind"));
    ofLabel->setWordWrap(true);
    grid->addWidget(ofLabel, 3, 0, 1, 2);
    m_shuffle = new QCheckBox(QStringLiteral("Reihen mischen"), group);
    m_shuffle->setObjectName(QStringLiteral("WheelShuffle"));
    m_shuffle->setToolTip(
        QStringLiteral("Die Reihen der Bibliothek zufällig auf Ihre Zahlen verteilen"));
    grid->addWidget(m_shuffle, 4, 0, 1, 2);
    m_rowsLabel = composedLabel(group, "WheelRowsLabel", QStringLiteral("Reihen: "));
    m_costLabel = composedLabel(group, "WheelCostLabel", QStringLiteral("Kosten (zł): "));
    grid->addWidget(m_rowsLabel, 5, 0, 1, 2);
    grid->addWidget(m_costLabel, 6, 0, 1, 2);
    m_compute = pushButton(group, "WheelCompute", QStringLiteral("Berech&nen"),
                           QStringLiteral("Das System aus der Bibliothek nehmen oder voll bilden"));
    grid->addWidget(m_compute, 7, 0, 1, 2);
    for (QRadioButton* kind : {m_full, m_abbreviated})
        connect(kind, &QRadioButton::toggled, this, &WheelsPage::choiceChanged);
    connect(m_hits, &QSpinBox::valueChanged, this, [this](int hits) {
        m_of->setMinimum(hits);
        choiceChanged();
    });
    connect(m_of, &QSpinBox::valueChanged, this, &WheelsPage::choiceChanged);
    connect(m_compute, &QPushButton::clicked, this, &WheelsPage::computeWheel);
    return group;
}

QWidget* WheelsPage::buildSearch()
{
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(namedLabel(box, "WheelSecondsLabel", QStringLiteral("Suchzeit (s):")), 0, 0);
    m_seconds = spinBox(box, "WheelSeconds", 1, 3600, 30);
    grid->addWidget(m_seconds, 0, 1);
    m_search = pushButton(box, "WheelSearch", QStringLiteral("Such&en"),
                          QStringLiteral("Im Hintergrund ein System mit weniger Reihen suchen"));
    m_cancel = pushButton(box, "WheelCancel", QStringLiteral("Abbrechen"),
                          QStringLiteral("Die Suche beenden und das beste System behalten"));
    grid->addWidget(m_search, 1, 0);
    grid->addWidget(m_cancel, 1, 1);
    m_progress = new QProgressBar(box);
    m_progress->setObjectName(QStringLiteral("WheelProgress"));
    m_progress->setRange(0, 1000);
    m_progress->setTextVisible(false);
    grid->addWidget(m_progress, 2, 0, 1, 2);
    m_searchLabel =
        composedLabel(box, "WheelSearchLabel", QStringLiteral("Bestes System (Reihen): "));
    grid->addWidget(m_searchLabel, 3, 0, 1, 2);
    m_noWheel = namedLabel(box, "WheelNoneKnown",
                           QStringLiteral("Für diese Wahl kennt das Programm kein System."));
    m_checkFailed = namedLabel(
        box, "WheelCheckFailed",
        QStringLiteral("Das System hat seine Prüfung nicht bestanden und wird nicht gezeigt."));
    for (QLabel* problem : {m_noWheel, m_checkFailed}) {
        problem->setWordWrap(true);
        problem->hide();
        grid->addWidget(problem, 4, 0, 1, 2);
    }
    connect(m_search, &QPushButton::clicked, this, &WheelsPage::startSearch);
    connect(m_cancel, &QPushButton::clicked, this, &WheelsPage::cancelSearch);
    return box;
}

QWidget* WheelsPage::buildRows()
{
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    m_verified = namedLabel(box, "WheelVerified", QStringLiteral("✔ Garantie geprüft"));
    m_verified->setVisible(false);
    column->addWidget(m_verified);
    m_rows = new QListWidget(box);
    m_rows->setObjectName(QStringLiteral("WheelRows"));
    m_rows->setUniformItemSizes(true);
    column->addWidget(m_rows, 1);
    m_toSheet = pushButton(box, "WheelToSheet", QStringLiteral("Auf den Schein"),
                           QStringLiteral("Die nächsten zwölf Reihen auf den Schein setzen"));
    m_save = pushButton(box, "WheelSave", QStringLiteral("Speichern"),
                        QStringLiteral("Alle Reihen als Tippdateien zu je zwölf Reihen"));
    m_print = pushButton(box, "WheelPrint", QStringLiteral("Drucken"),
                         QStringLiteral("Alle Reihen als Textdatei ausgeben"));
    for (QPushButton* b : {m_toSheet, m_save, m_print})
        column->addWidget(b);
    connect(m_toSheet, &QPushButton::clicked, this, &WheelsPage::putRowsOnSheet);
    connect(m_save, &QPushButton::clicked, this, &WheelsPage::chooseFileToSave);
    connect(m_print, &QPushButton::clicked, this, &WheelsPage::printRows);
    return box;
}

Guarantee WheelsPage::guarantee() const
{
    return m_full->isChecked() ? Guarantee::fullWheel()
                               : Guarantee::ifOf(m_hits->value(), m_of->value());
}

void WheelsPage::setGuarantee(const Guarantee& g)
{
    (g.full ? m_full : m_abbreviated)->setChecked(true);
    if (!g.full) {
        m_hits->setValue(g.hits);
        m_of->setValue(g.of);
    }
}

QString WheelsPage::rowsText() const
{
    return m_rowsLabel->text();
}
QString WheelsPage::costText() const
{
    return m_costLabel->text();
}

// A new choice: the wheel shown no longer belongs to it.
void WheelsPage::choiceChanged()
{
    if (m_thread)
        cancelSearch();
    showWheel(std::nullopt);
    m_noWheel->hide();
    m_checkFailed->hide();
    showPlan();
}

// Rows and cost before anything is computed: the full wheel's count, the library's, or "?"
// where only a search can tell.
void WheelsPage::showPlan()
{
    const int n = static_cast<int>(m_grid->chosen().size());
    std::optional<std::uint64_t> rows;
    if (m_wheel)
        rows = m_wheel->rows.size();
    else if (n >= kMinChosen && guarantee().full)
        rows = fullWheelRowCount(n);
    else if (n >= kMinChosen)
        if (const auto instant = instantRows(n, guarantee()))
            rows = instant->rows.size();
    const auto cost = rows ? wheelCost(*rows, m_session.state().internet) : std::nullopt;
    m_rowsLabel->setText(
        captionOf(m_rowsLabel) +
        (rows ? QLocale(QLocale::German).toString(qulonglong(*rows)) : QStringLiteral("?")));
    m_costLabel->setText(
        captionOf(m_costLabel) +
        (cost ? zlotyText(*cost) : QStringLiteral("?")));
    enableControls();
}

void WheelsPage::enableControls()
{
    const int n = static_cast<int>(m_grid->chosen().size());
    const Guarantee g = guarantee();
    const bool running = m_thread != nullptr;
    const bool chosen = n >= kMinChosen;
    m_hits->setEnabled(!g.full && !running);
    m_of->setEnabled(!g.full && !running);
    m_shuffle->setEnabled(!g.full);
    m_compute->setEnabled(chosen && !running && (!g.full || fullWheelRowCount(n) <= kMaxWheelRows));
    m_search->setEnabled(chosen && !running && searchable(n, g));
    m_cancel->setEnabled(running);
    const bool rows = m_wheel.has_value();
    m_toSheet->setEnabled(rows && !m_session.busy());
    m_save->setEnabled(rows);
    m_print->setEnabled(rows);
}

void WheelsPage::computeWheel()
{
    if (m_thread)
        return;
    const quint64 seed = m_shuffle->isChecked() ? QRandomGenerator::global()->generate64() | 1 : 0;
    WheelOutcome outcome = instantWheel(m_grid->chosen(), guarantee(), seed);
    if (outcome.problem == WheelProblem::NoneKnown &&
        searchable(static_cast<int>(m_grid->chosen().size()), guarantee())) {
        startSearch(); // nothing at hand: the search builds one
        return;
    }
    showProblem(outcome.problem);
    if (outcome.wheel)
        showWheel(std::move(outcome.wheel));
}

void WheelsPage::showProblem(WheelProblem problem)
{
    m_noWheel->setVisible(problem == WheelProblem::NoneKnown ||
                          problem == WheelProblem::TooManyRows);
    m_checkFailed->setVisible(problem == WheelProblem::CheckFailed);
}

// Only a wheel that passes its check gets into the list.
void WheelsPage::showWheel(std::optional<Wheel> wheel)
{
    if (wheel && !checkWheel(*wheel).passed) {
        showProblem(WheelProblem::CheckFailed);
        wheel.reset();
    }
    m_wheel = std::move(wheel);
    m_nextSheetRow = 0;
    m_rows->clear();
    m_verified->setVisible(m_wheel.has_value());
    if (m_wheel) {
        QStringList lines;
        int number = 0;
        for (const WheelRow& row : m_wheel->rows)
            lines << QStringLiteral("%1.  %2").arg(++number, 4).arg(rowText(row));
        m_rows->addItems(lines);
    }
    showPlan();
}

} // namespace vendrilo::gui
