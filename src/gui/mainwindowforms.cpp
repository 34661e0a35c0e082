// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's use of the weighting list: the generation run's pool and the single-tip form.
#include "core/sheet/singletip.h"
#include "gui/dialogs.h"
#include "gui/mainwindow.h"
#include "gui/session.h"

#include <QApplication>

namespace vendrilo::gui {

WeightingListDialog* MainWindow::weightingList()
{
    if (!m_weightingList)
        m_weightingList = findChild<WeightingListDialog*>(QString(), Qt::FindDirectChildrenOnly);
    if (!m_weightingList)
        m_weightingList = new WeightingListDialog(this);
    m_weightingList->setRandomSource(&m_session->randomSource());
    m_weightingList->setFileContext(m_clock, programFolder());
    return m_weightingList;
}

// The run's pool in the list: OK keeps it, "&Rechnen" makes it anew from the list, the abort
// button or closing the list ends the run. The list is the one dialog the single-tip form uses
// too, shown as a fresh one.
bool MainWindow::editPoolInList(NumberPool& pool)
{
    WeightingListDialog* list = weightingList();
    list->showPool(pool);
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int outcome = m_runDialog(*list);
    QApplication::restoreOverrideCursor();
    if (outcome == WeightingListDialog::Recompute)
        pool = list->list().pool();
    return outcome == WeightingListDialog::Ok || outcome == WeightingListDialog::Recompute;
}

void MainWindow::editRowInForm(int row)
{
    WeightingListDialog* list = weightingList();
    const MessageList& messages = state().messages;
    RowFields fields;
    for (int p = 1; p <= 6; ++p)
        fields[static_cast<std::size_t>(p - 1)] = state().sheet.row(row).fields[p - 1];
    list->showRow(QString::number(row) + QStringLiteral(". ") + messages.text(Msg::Tip),
                  numbersToMark(fields));
    if (m_runDialog(*list) == WeightingListDialog::Ok)
        m_session->writeRow(row, fieldsFromTicked(fields, list->tickedNumbers()));
    list->endRow(messages.text(Msg::ChooseNumbers));
}

// The entry dialog: one for the program's life, filled anew from the draw the entry starts from.
std::optional<DrawRecord> MainWindow::editDraw(const DrawRecord& from)
{
    auto* dialog = findChild<DrawEntryDialog*>(QString(), Qt::FindDirectChildrenOnly);
    if (!dialog)
        dialog = new DrawEntryDialog(this);
    dialog->showRecord(from);
    if (m_runDialog(*dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog->enteredRecord();
}

} // namespace vendrilo::gui
