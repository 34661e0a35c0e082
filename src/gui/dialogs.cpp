#include "gui/dialogs.h"

namespace vendrilo::gui {

DrawEntryDialog::DrawEntryDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Zahlen der Ziehung eingeben"));
}

WeightingListDialog::WeightingListDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Welche Zahlen für die Berechnung"));
}

PrintPositionsDialog::PrintPositionsDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Positionierung des Scheindruckes"));
}

} // namespace vendrilo::gui
