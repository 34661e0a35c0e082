// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/money/sheetodds.h"

#include <QGroupBox>

#include <atomic>
#include <memory>

class QLabel;

namespace vendrilo::gui {

class Session;
class SheetPage;

// "Chancen": the odds of one row, the exact chance that the sheet wins anything, and its
// expected prize against the stake. Shown anew with every change of the sheet; the exact count
// runs on a worker thread, so typing never waits for it, and only the newest request is shown.
class ChancesPanel : public QGroupBox {
    Q_OBJECT
public:
    ChancesPanel(Session& session, SheetPage& page, QWidget* parent);
    ~ChancesPanel() override;

    // The sheet is played with Lotto Plus: its prizes join the expected prize.
    void setPlayedWithPlus(bool withPlus);
    // True while a count is running.
    bool counting() const { return m_running > 0; }

Q_SIGNALS:
    // The odds of the newest request are on show.
    void oddsShown();

private:
    void requestOdds();
    void showOdds(const SheetOdds& odds);
    QLabel* addLine(int line, int column, const char* captionName, const QString& caption,
                    const char* valueName);

    Session& m_session;
    bool m_withPlus = false;
    int m_newest = 0;  // the number of the newest request
    int m_running = 0; // requests still running
    std::shared_ptr<std::atomic<bool>> m_stopCount;
    std::array<QLabel*, 4> m_classOdds{}; // 6, 5, 4, 3 hits
    QLabel* m_anyOdds = nullptr;
    QLabel* m_sheetOdds = nullptr;
    QLabel* m_expected = nullptr;
    QLabel* m_perZloty = nullptr;
};

} // namespace vendrilo::gui
