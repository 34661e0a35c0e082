// SPDX-License-Identifier: GPL-3.0-or-later
// The "Systeme" tab's actions: the numbers from the sheet, the live search in its own thread,
// the rows onto the sheet, the tip files and the print-out.
#include "core/program/wheelactions.h"
#include "core/tipfiles/tipfile.h"
#include "gui/controls.h"
#include "gui/numbergrid.h"
#include "gui/session.h"
#include "gui/wheelspage.h"

#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTabWidget>
#include <QThread>
#include <QTimer>

namespace vendrilo::gui {

using namespace vendrilo::wheels;

void WheelsPage::takeNumbersFromSheet()
{
    m_grid->setChosen(sheetNumbers(m_session.state().sheet));
}

// The search runs in a thread of its own; the window reads its progress from shared atomics
// every tenth of a second and takes its result when the thread has ended.
void WheelsPage::startSearch()
{
    const std::vector<int> numbers = m_grid->chosen();
    const Guarantee g = guarantee();
    if (m_thread || !searchable(static_cast<int>(numbers.size()), g))
        return;
    m_shared = std::make_shared<SearchShared>();
    std::optional<Wheel> start = m_wheel;
    const qint64 limitMs = static_cast<qint64>(m_seconds->value()) * 1000;
    const quint64 seed = QRandomGenerator::global()->generate64() | 1;
    m_thread = QThread::create([shared = m_shared, numbers, g, start, limitMs, seed] {
        QElapsedTimer clock;
        clock.start();
        shared->outcome = searchWheel(numbers, g, start ? &*start : nullptr, seed,
                                      [&](const SearchProgress& progress) {
                                          shared->bestRows = progress.bestRows;
                                          shared->elapsedMs = clock.elapsed();
                                          return !shared->cancel && clock.elapsed() < limitMs;
                                      });
    });
    m_thread->setObjectName(QStringLiteral("WheelSearchThread"));
    connect(m_thread, &QThread::finished, this, &WheelsPage::finishSearch);
    m_progress->setValue(0);
    m_searchLabel->setText(m_searchLabel->property(kCaptionPrefix).toString());
    m_thread->start(QThread::LowPriority);
    m_progressTimer->start();
    enableControls();
}

void WheelsPage::cancelSearch()
{
    if (m_shared)
        m_shared->cancel = true;
}

void WheelsPage::showSearchProgress()
{
    if (!m_shared)
        return;
    const qint64 limitMs = static_cast<qint64>(m_seconds->value()) * 1000;
    m_progress->setValue(static_cast<int>(
        std::min<qint64>(1000, m_shared->elapsedMs * 1000 / std::max<qint64>(1, limitMs))));
    const int best = m_shared->bestRows;
    m_searchLabel->setText(m_searchLabel->property(kCaptionPrefix).toString() +
                           (best > 0 ? QString::number(best) : QString()));
}

void WheelsPage::finishSearch()
{
    m_progressTimer->stop();
    m_thread->wait();
    m_thread->deleteLater();
    m_thread = nullptr;
    std::shared_ptr<SearchShared> shared = std::move(m_shared);
    m_progress->setValue(m_progress->maximum());
    WheelOutcome& outcome = shared->outcome;
    if (outcome.wheel) {
        m_searchLabel->setText(m_searchLabel->property(kCaptionPrefix).toString() +
                               QString::number(outcome.wheel->rows.size()));
        // The search starts from the wheel shown, so its result is never larger; it replaces
        // the list when it fits the choice that is still made.
        if (outcome.wheel->numbers == m_grid->chosen() && outcome.wheel->guarantee == guarantee() &&
            (!m_wheel || outcome.wheel->rows.size() < m_wheel->rows.size()))
            showWheel(std::move(outcome.wheel));
    } else if (!m_wheel) {
        showProblem(outcome.problem == WheelProblem::NotFound ? WheelProblem::None
                                                              : outcome.problem);
    }
    enableControls();
    Q_EMIT searchFinished();
}

void WheelsPage::putRowsOnSheet()
{
    if (!m_wheel || m_session.busy())
        return;
    m_nextSheetRow = m_session.writeWheelRows(*m_wheel, m_nextSheetRow);
}

void WheelsPage::chooseFileToSave()
{
    const QString path =
        QFileDialog::getSaveFileName(this, m_save->text().remove(u'&'),
                                     m_session.state().programFolder + QStringLiteral("System.qkt"),
                                     QStringLiteral("*.") + kTipFileExtension);
    if (!path.isEmpty())
        saveTipFiles(path);
}

void WheelsPage::saveTipFiles(const QString& chosenPath)
{
    if (!m_wheel)
        return;
    const auto saved = saveWheelTipFiles(chosenPath, *m_wheel);
    if (!saved)
        m_session.prompts().message(saved.error());
}

// The tab's caption and the numbers, then the promise in the window's own words.
QString WheelsPage::printoutTitle() const
{
    const auto* tabs =
        qobject_cast<QTabWidget*>(parentWidget() ? parentWidget()->parentWidget() : nullptr);
    QStringList numbers;
    for (const int n : m_wheel->numbers)
        numbers << QString::number(n);
    const QString kind =
        m_wheel->guarantee.full
            ? m_full->text().remove(u'&')
            : QStringLiteral("%1 %2 %3 %4 %5")
                  .arg(findChild<QLabel*>(QStringLiteral("WheelHitsLabel"))->text())
                  .arg(m_wheel->guarantee.hits)
                  .arg(findChild<QLabel*>(QStringLiteral("WheelIfLabel"))->text())
                  .arg(m_wheel->guarantee.of)
                  .arg(findChild<QLabel*>(QStringLiteral("WheelOfLabel"))->text());
    return QStringLiteral("%1: %2 - %3 - %4 - %5")
        .arg(tabs ? tabs->tabText(tabs->indexOf(this)) : QStringLiteral("Vendrilo"),
             numbers.join(u' '), kind, rowsText(), costText());
}

void WheelsPage::printRows()
{
    if (!m_wheel)
        return;
    const auto written = writeWheelPrintout(m_session.state(), printoutTitle(), *m_wheel);
    if (!written) {
        m_session.prompts().message(written.error());
        return;
    }
    m_openUrl(QUrl::fromLocalFile(*written));
}

} // namespace vendrilo::gui
