// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/databasepage.h"

#include "core/draws/dates.h"
#include "core/options/optiontable.h"
#include "core/texts/textlist.h"
#include "gui/chartbuttons.h"
#include "gui/controls.h"
#include "gui/session.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>

namespace vendrilo::gui {

DatabasePage::DatabasePage(Session& session, QWidget* parent) : QWidget(parent), m_session(session)
{
    auto* grid = new QGridLayout(this);
    m_drawLine = namedLabel(this, Control::DatabaseDrawLine);
    QFont bold = m_drawLine->font();
    bold.setBold(true);
    m_drawLine->setFont(bold);
    m_chosenDate = datePicker(this, Control::ChosenDate, m_session.today());
    connect(m_chosenDate, &QDateEdit::dateChanged, this,
            [this](const QDate& d) { m_session.setChosenDate(dayFromDate(d)); });
    auto* evaluate =
        speedButton(this, Control::EvaluateChosenDraw, QStringLiteral("Auswerten"),
                    QStringLiteral("Bewertung des Tipps für die Ziehung des gewählten Datums"));
    connect(evaluate, &QToolButton::clicked, &m_session, &Session::goToChosenDate);
    auto* update =
        pushButton(this, Control::UpdateDatabase, QStringLiteral("&Datenbank aktualisieren"),
                   QStringLiteral("Ziehungen aus dem Internet aktualisieren"));
    connect(update, &QPushButton::clicked, &m_session, &Session::fetchNewDraws);
    connect(&m_session, &Session::updateRunningChanged, update,
            [update](bool running) { update->setEnabled(!running); });
    grid->addWidget(m_drawLine, 0, 0, 1, 3);
    grid->addWidget(m_chosenDate, 1, 0);
    grid->addWidget(evaluate, 1, 1);
    grid->addWidget(update, 1, 2);
    addHistoryButtons(grid);
    int i = 0;
    for (const ChartButton& b : chartButtonsOn(ChartPlace::Database)) {
        auto* button =
            pushButton(this, b.name, QString::fromUtf8(b.text), QString::fromUtf8(b.hint));
        const charts::ChartKind kind = b.kind;
        connect(button, &QPushButton::clicked, this, [this, kind] { m_session.drawChart(kind); });
        grid->addWidget(button, 2 + i / 2, i % 2);
        ++i;
    }
    grid->addWidget(buildAnalyses(), 6, 0, 1, 4);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(7, 1);

    connect(&m_session, &Session::shownDrawChanged, this, &DatabasePage::showDraw);
    connect(&m_session, &Session::periodChanged, this, &DatabasePage::showPeriod);
    connect(&m_session, &Session::generationRunningChanged, this, [this, evaluate](bool running) {
        m_chosenDate->setEnabled(!running);
        evaluate->setEnabled(!running);
    });
    showDraw();
    showPeriod();
}

// Keeping the history by hand: a draw typed in, the shown one deleted, published results read.
void DatabasePage::addHistoryButtons(QGridLayout* grid)
{
    auto* enter = pushButton(this, Control::EnterDraw, QStringLiteral("Eingeben"),
                             QStringLiteral("manuelle eingaben der Ziehungsdaten."));
    auto* remove = pushButton(this, Control::DeleteDraw, QStringLiteral("Löschen"),
                              QStringLiteral("Löschen der aktuell angezeigten Ziehung"));
    auto* import = pushButton(this, "ImportDrawsButton", QStringLiteral("Ziehungen importieren…"),
                              QStringLiteral("Veröffentlichte Ziehungsergebnisse aus einer "
                                             "Textdatei in die Datenbank übernehmen"));
    grid->addWidget(enter, 2, 2);
    grid->addWidget(remove, 3, 2);
    grid->addWidget(import, 4, 2);
    connect(enter, &QPushButton::clicked, &m_session, &Session::enterDrawByHand);
    connect(remove, &QPushButton::clicked, &m_session, &Session::deleteShownDrawAfterAsking);
    connect(import, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(
            this, text(Text::ImportDrawsTitle), m_session.state().programFolder,
            text(Text::ImportDrawsFilter));
        if (!path.isEmpty())
            m_session.importDrawFile(path);
    });
    for (QPushButton* b : {enter, remove, import})
        connect(&m_session, &Session::generationRunningChanged, b,
                [b](bool running) { b->setEnabled(!running); });
}

// The two analyses that replay the history from the date above.
QWidget* DatabasePage::buildAnalyses()
{
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 12, 0, 0);
    const QString hint =
        QStringLiteral("Berechnung und Erfolg beginnend mit dem oben gewählten Datum");
    auto* backtestNote = namedLabel(
        box, Control::BackTestNote,
        QStringLiteral(
            "Anhand der eingestellten Parameter werden Tipps berechnet und ausgewertet"));
    auto* backtest = pushButton(
        box, Control::BackTest,
        QStringLiteral("Historische Analyse der Parameter beginnenden mit oben gewähltem Datum"),
        hint);
    m_recomputeAfterThree = new QCheckBox(optionSpec(Option::RecomputeOnlyAfterThree).caption, box);
    m_recomputeAfterThree->setObjectName(optionSpec(Option::RecomputeOnlyAfterThree).name);
    connect(m_recomputeAfterThree, &QCheckBox::toggled, this,
            [this](bool on) { m_session.setOption(Option::RecomputeOnlyAfterThree, on ? 1 : 0); });
    auto* similarityNote =
        namedLabel(box, Control::SimilarityNote,
                   QStringLiteral("Grafische Analyse beginnen mit dem oben angegebenen Datum"));
    auto* similarity = pushButton(
        box, Control::SimilarityAnalysis,
        QStringLiteral("Historische Analyse beginnend mit dem oben gewähltem Datum"), hint);
    grid->addWidget(backtestNote, 0, 0);
    grid->addWidget(backtest, 1, 0);
    grid->addWidget(m_recomputeAfterThree, 2, 0);
    grid->addWidget(similarityNote, 3, 0);
    grid->addWidget(similarity, 4, 0);
    grid->setRowMinimumHeight(3, 36);
    grid->setColumnStretch(1, 1);
    connect(backtest, &QPushButton::clicked, &m_session, &Session::runBacktest);
    connect(similarity, &QPushButton::clicked, &m_session, &Session::analyseSimilarDraws);
    connect(&m_session, &Session::optionsChanged, this, &DatabasePage::showOptions);
    showOptions();
    return box;
}

void DatabasePage::showOptions()
{
    const QSignalBlocker quiet(m_recomputeAfterThree);
    m_recomputeAfterThree->setChecked(
        m_session.state().options.checked(Option::RecomputeOnlyAfterThree));
}

void DatabasePage::showDraw()
{
    m_drawLine->setText(m_session.state().shown.drawLine);
}

void DatabasePage::showPeriod()
{
    setPickerDay(m_chosenDate, m_session.state().chosenDate.date());
}

} // namespace vendrilo::gui
