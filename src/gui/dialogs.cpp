#include "gui/dialogs.h"

#include "gui/controls.h"

#include <QGroupBox>
#include <QHBoxLayout>

namespace vendrilo::gui {

DrawEntryDialog::DrawEntryDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Zahlen der Ziehung eingeben"));
}

PrintPositionsDialog::PrintPositionsDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Positionierung des Scheindruckes"));
    // Whether the extra games are printed on the slip; both groups offer the same answers.
    auto* layout = new QHBoxLayout(this);
    const QStringList yesNo{QStringLiteral("Ja"), QStringLiteral("Nein")};
    layout->addWidget(radioGroup(this, "RadioGroup3", QStringLiteral("Spiel 77 drucken"), yesNo));
    layout->addWidget(radioGroup(this, "RadioGroup4", QStringLiteral("Super 6 drucken"), yesNo));
}

} // namespace vendrilo::gui
