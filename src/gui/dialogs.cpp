// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs.h"

#include "gui/controls.h"

#include "core/draws/dates.h"
#include "core/texts/textlist.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QHBoxLayout>

namespace vendrilo::gui {

DrawEntryDialog::DrawEntryDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(controlName(Control::DrawEntryDialog));
    auto* layout = new QVBoxLayout(this);
    m_date = new QDateEdit(this);
    m_date->setObjectName(controlName(Control::DrawEntryDate));
    m_date->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    m_date->setCalendarPopup(true);
    m_date->setMinimumDate(QDate(1950, 1, 1));
    layout->addWidget(m_date, 0, Qt::AlignLeft);
    auto* row = new QHBoxLayout;
    for (int i = 0; i < 6; ++i) {
        auto* n = new QSpinBox(this);
        n->setObjectName(drawEntryNumberName(i + 1));
        n->setProperty("editName", drawEntryNumberEditName(i + 1));
        n->setRange(1, 49);
        n->setValue(49);
        m_numbers[static_cast<std::size_t>(i)] = n;
        row->addWidget(n);
    }
    // The bonus number; 0 where the history does not know it (the shipped draws).
    row->addSpacing(12);
    row->addWidget(namedLabel(this, Control::DrawEntryBonusLabel, QStringLiteral("Bonus:")));
    m_bonus = new QSpinBox(this);
    m_bonus->setObjectName(controlName(Control::DrawEntryBonus));
    m_bonus->setProperty("editName",
                         QString::fromLatin1(controlEntry(Control::DrawEntryBonus).editName));
    m_bonus->setRange(0, 49);
    m_bonus->setSpecialValueText(QStringLiteral("–"));
    row->addWidget(m_bonus);
    row->addStretch(1);
    layout->addLayout(row);
    m_problem = new QLabel(this);
    m_problem->setProperty(kShowsValue, true);
    QPalette red = m_problem->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    m_problem->setPalette(red);
    layout->addWidget(m_problem);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = pushButton(this, Control::DrawEntryOk, QStringLiteral("OK"));
    auto* abort = pushButton(this, Control::DrawEntryCancel, QStringLiteral("Abbrechen"));
    ok->setDefault(true);
    buttons->addWidget(ok);
    buttons->addWidget(abort);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(abort, &QPushButton::clicked, this, &QDialog::reject);
    // A note about the numbers goes as soon as the numbers are right.
    for (QSpinBox* n : m_numbers)
        connect(n, &QSpinBox::valueChanged, this, [this] {
            if (!m_problem->text().isEmpty())
                m_problem->setText(problem());
        });
    showFixedTexts();
}

void DrawEntryDialog::showFixedTexts()
{
    setWindowTitle(text(Text::DrawEntryTitle));
    nameDates(m_date, textLocale());
    if (!m_problem->text().isEmpty())
        m_problem->setText(problem());
}

void DrawEntryDialog::showRecord(const DrawRecord& from)
{
    m_from = from;
    m_date->setDate(dateFromDay(from.date));
    for (std::size_t i = 0; i < 6; ++i)
        m_numbers[i]->setValue(from.numbers[i]);
    m_bonus->setValue(from.bonus);
    m_problem->clear();
}

DrawRecord DrawEntryDialog::enteredRecord() const
{
    DrawRecord r = m_from;
    r.date = dayFromDate(m_date->date());
    for (std::size_t i = 0; i < 6; ++i)
        r.numbers[i] = static_cast<std::uint8_t>(m_numbers[i]->value());
    r.bonus = static_cast<std::uint8_t>(m_bonus->value());
    return r;
}

QString DrawEntryDialog::problem() const
{
    for (std::size_t i = 0; i < 6; ++i)
        for (std::size_t j = 0; j < i; ++j)
            if (m_numbers[i]->value() == m_numbers[j]->value())
                return fillIn(text(Text::DrawEntryNumberTwice),
                              {QString::number(m_numbers[i]->value())});
    return {};
}

void DrawEntryDialog::accept()
{
    const QString why = problem();
    m_problem->setText(why);
    if (why.isEmpty())
        QDialog::accept();
}

PrintPositionsDialog::PrintPositionsDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(controlName(Control::PrintPositionsDialog));
    setWindowTitle(QStringLiteral("Positionierung des Scheindruckes"));
    // Whether the extra games are printed on the slip; both groups offer the same answers.
    auto* layout = new QHBoxLayout(this);
    const QStringList yesNo{QStringLiteral("Ja"), QStringLiteral("Nein")};
    layout->addWidget(
        radioGroup(this, Control::PrintSpiel77Choice, QStringLiteral("Spiel 77 drucken"), yesNo));
    layout->addWidget(
        radioGroup(this, Control::PrintSuper6Choice, QStringLiteral("Super 6 drucken"), yesNo));
}

} // namespace vendrilo::gui
