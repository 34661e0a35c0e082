// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/gameswitch.h"

#include "gui/chartbuttons.h"
#include "gui/controls.h"
#include "gui/session.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>

namespace vendrilo::gui {

namespace {

constexpr struct {
    Game game;
    const char* name;
    const char* hint;
} kGameButtons[] = {
    {Game::Lotto, "GameLotto", "Die Ziehungen von Lotto (ZahlenPL.dat)"},
    {Game::Plus, "GamePlus",
     "Die Ziehungen von Lotto Plus, der zweiten Ziehung desselben Abends (ZahlenPLPlus.dat)"},
};

// The controls of the Superzahl and the extra games, made by the pages: the Superzahl's chart
// button and the ticket's two choices.
QStringList addOnControls()
{
    QStringList names{controlName(Control::SuperzahlChoice),
                      controlName(Control::ExtraGamesChoice)};
    for (const ChartButton& b : chartButtonsOn(ChartPlace::Database))
        if (b.kind == charts::ChartKind::Superzahl)
            names << QString::fromLatin1(b.name);
    return names;
}

} // namespace

QWidget* buildGameSwitch(Session& session, QWidget* parent)
{
    auto* box = new QWidget(parent);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(4, 0, 4, 0);
    QLabel* label = namedLabel(box, "GameLabel", QStringLiteral("Spiel:"));
    label->setToolTip(QStringLiteral("Welche Ziehungen das Programm zeigt, zählt und den Tipps "
                                     "zugrunde legt"));
    row->addWidget(label);
    auto* buttons = new QButtonGroup(box);
    for (const auto& b : kGameButtons) {
        auto* button = new QRadioButton(QString::fromUtf8(gameInfo(b.game).title), box);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setToolTip(QString::fromUtf8(b.hint));
        buttons->addButton(button, static_cast<int>(b.game));
        row->addWidget(button);
    }
    const auto showGame = [&session, buttons, box] {
        const QSignalBlocker quiet(buttons);
        buttons->button(static_cast<int>(session.state().game))->setChecked(true);
        // The menu bar gives its corner widget a place only when the widget is shown; texts of
        // another language (the texts are shown again after a switch) need a new place.
        if (box->isVisible()) {
            box->hide();
            box->show();
        }
    };
    showGame();
    QObject::connect(&session, &Session::gameChanged, box, showGame);
    QObject::connect(buttons, &QButtonGroup::idToggled, box, [&session](int id, bool on) {
        if (on)
            session.setGame(static_cast<Game>(id));
    });
    for (auto running : {&Session::generationRunningChanged, &Session::updateRunningChanged})
        QObject::connect(&session, running, box, [box](bool on) { box->setEnabled(!on); });
    return box;
}

namespace {
void showAddOns(QWidget* window, bool shown)
{
    for (const QString& name : addOnControls())
        if (auto* control = window->findChild<QWidget*>(name))
            control->setVisible(shown);
}
} // namespace

void hideAddOnsWithoutSuperzahl(QWidget* window, Session& session)
{
    hideAddOnsOfLaterPages(window, session);
    QObject::connect(&session, &Session::addOnsShownChanged, window,
                     [window](bool shown) { showAddOns(window, shown); });
}

void hideAddOnsOfLaterPages(QWidget* window, const Session& session)
{
    if (!session.addOnsShown())
        showAddOns(window, false);
}

} // namespace vendrilo::gui
