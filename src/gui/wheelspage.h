// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/wheels/wheelmaker.h"

#include <QUrl>
#include <QWidget>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QThread;
class QTimer;

namespace vendrilo::gui {

class NumberGrid;
class Session;

// The "Systeme" tab: wheels on the user's numbers. The numbers are clicked on a 7 x 7 grid or
// taken from the sheet; the guarantee is "k Richtige, wenn m Gewinnzahlen dabei sind", either
// "Voll" (every six of the numbers) or "gekürzt". Rows and cost show before anything is
// computed. "Berechnen" takes the library's wheel (or the full one); "Suchen" looks for a
// smaller one in the background, with progress and "Abbrechen". Only a wheel that passed its
// exhaustive check reaches the list, the sheet, the tip files or the print-out.
class WheelsPage : public QWidget {
    Q_OBJECT
public:
    WheelsPage(Session& session, std::function<void(const QUrl&)> openUrl, QWidget* parent);
    ~WheelsPage() override;

    NumberGrid* numberGrid() const { return m_grid; }
    wheels::Guarantee guarantee() const;
    void setGuarantee(const wheels::Guarantee& guarantee);
    const std::optional<wheels::Wheel>& wheel() const { return m_wheel; }
    bool searchRunning() const { return m_thread != nullptr; }
    // The rows and the cost the plan labels show.
    QString rowsText() const;
    QString costText() const;

    void takeNumbersFromSheet();
    void computeWheel();
    // A live search for a smaller wheel, from the wheel shown when it fits the choice.
    void startSearch();
    void cancelSearch();
    // The next twelve rows onto the sheet (the first twelve again after the last).
    void putRowsOnSheet();
    void saveTipFiles(const QString& chosenPath);
    void printRows();

Q_SIGNALS:
    void searchFinished();

private:
    QWidget* buildNumbers();
    QWidget* buildChoice();
    QWidget* buildSearch();
    QWidget* buildRows();
    void choiceChanged();
    void showPlan();
    void showWheel(std::optional<wheels::Wheel> wheel);
    void showProblem(wheels::WheelProblem problem);
    void showSearchProgress();
    void finishSearch();
    void enableControls();
    QString printoutTitle() const;
    void chooseFileToSave();

    Session& m_session;
    std::function<void(const QUrl&)> m_openUrl;
    NumberGrid* m_grid = nullptr;
    QSpinBox* m_hits = nullptr;
    QSpinBox* m_of = nullptr;
    QRadioButton* m_full = nullptr;
    QRadioButton* m_abbreviated = nullptr;
    QCheckBox* m_shuffle = nullptr;
    QLabel* m_rowsLabel = nullptr;
    QLabel* m_costLabel = nullptr;
    QPushButton* m_compute = nullptr;
    QPushButton* m_search = nullptr;
    QPushButton* m_cancel = nullptr;
    QSpinBox* m_seconds = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_searchLabel = nullptr;
    QLabel* m_noWheel = nullptr;
    QLabel* m_checkFailed = nullptr;
    QLabel* m_verified = nullptr;
    QListWidget* m_rows = nullptr;
    QPushButton* m_toSheet = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_print = nullptr;

    std::optional<wheels::Wheel> m_wheel;
    int m_nextSheetRow = 0; // the wheel row "Auf den Schein" starts with

    // The running search: its thread, what it shares with the window, its result.
    struct SearchShared {
        std::atomic<bool> cancel{false};
        std::atomic<int> bestRows{0};
        std::atomic<qint64> elapsedMs{0};
        wheels::WheelOutcome outcome;
    };
    QThread* m_thread = nullptr;
    std::shared_ptr<SearchShared> m_shared;
    QTimer* m_progressTimer = nullptr;
};

} // namespace vendrilo::gui
