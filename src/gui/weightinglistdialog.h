// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/generator/randompick.h"
#include "core/generator/weightlist.h"

#include <QDialog>

#include <array>
#include <functional>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QStatusBar;
class QTimer;

namespace vendrilo::gui {

// "Welche Zahlen für die Berechnung": the numbers 1..49 as check boxes on a 7 x 7 grid, each
// with its weight beside it. A left click ticks a box and raises its weight, or unticks it; a
// right click lowers the weight of a ticked box and unticks it at 0. The generation run shows
// its pool here ("&Rechnen" rebuilds the pool from the list); the single-tip form picks a row's
// numbers here, by hand or with "&Zufall".
class WeightingListDialog : public QDialog {
    Q_OBJECT
public:
    // How the dialog ended: the abort button and closing the window both give Abort.
    enum Outcome { Abort = QDialog::Rejected, Ok = QDialog::Accepted, Recompute = 2 };

    explicit WeightingListDialog(QWidget* parent = nullptr);

    const WeightList& list() const { return m_list; }
    void setList(const WeightList& list);
    // The note on OK and "&Rechnen" after a run's pool was edited; empty while it is not shown.
    QString editedNote() const;
    QCheckBox* box(int number) const { return m_boxes[index(number)]; }
    QString weightShown(int number) const;
    QString statusText() const;
    // Numbers of the ticked boxes, ascending.
    std::vector<int> tickedNumbers() const;
    bool isHighlighted(int number) const; // painted yellow

    // For a generation run: the pool's numbers ticked, each weighted by its entries.
    void showPool(const NumberPool& pool);
    // For the single-tip form: "&Zufall" instead of "&Rechnen", every box unticked but the
    // row's numbers, which are ticked and yellow.
    void showRow(const QString& caption, const std::vector<int>& numbers);
    // After the single-tip form: "&Rechnen" again, the boxes in the plain colour, `caption`.
    void endRow(const QString& caption);

    // The random mode: where its numbers come from, its button and one tick of its timer.
    void setRandomSource(RandomSource* random) { m_random = random; }
    void pressRandomButton();
    void randomTick();
    bool randomRunning() const { return m_pick.running(); }

    // The list files; the buttons ask for the name, proposing today's date.
    Status saveList(const QString& path);
    Status loadList(const QString& path);
    void setFileContext(std::function<double()> today, const QString& folder)
    {
        m_today = std::move(today);
        m_folder = folder;
    }

    void done(int result) override;
    // The title in the language of the texts; the status line, which spoke the old one, empty.
    void showFixedTexts();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static std::size_t index(int number) { return static_cast<std::size_t>(number - 1); }
    void buildGrid();
    void buildButtons();
    void showNumber(int number);
    void showAll();
    void paintBoxes(const QColor& colour);
    void paintBox(int number, const QColor& colour);
    void chooseFileToSave();
    void chooseFileToLoad();
    void tellStatus(const QString& text);
    // After a change to a run's pool: the note on what OK and "&Rechnen" now do.
    void noteEdit();

    WeightList m_list;
    RandomPick m_pick;
    RandomSource* m_random = nullptr;
    std::function<double()> m_today;
    QString m_folder;
    std::array<QCheckBox*, WeightList::kNumbers> m_boxes{};
    std::array<QLabel*, WeightList::kNumbers> m_weights{};
    std::array<bool, WeightList::kNumbers> m_yellow{};
    QPushButton* m_recompute = nullptr;
    QPushButton* m_randomButton = nullptr;
    QString m_randomCaption; // the button's caption while the random mode is off
    QStatusBar* m_status = nullptr;
    QLabel* m_editedNote = nullptr;
    bool m_poolShown = false; // the list shows a run's pool (not a row of the single-tip form)
    QTimer* m_timer = nullptr;
};

} // namespace vendrilo::gui
