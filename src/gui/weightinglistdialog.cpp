// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/weightinglistdialog.h"

#include "core/texts/textlist.h"
#include "gui/controls.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace vendrilo::gui {

namespace {
const QColor kYellow(0xFF, 0xFF, 0x00);
constexpr int kRandomTickMs = 25;
} // namespace

WeightingListDialog::WeightingListDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(controlName(Control::WeightingListDialog));
    auto* layout = new QVBoxLayout(this);
    buildGrid();
    buildButtons();
    m_status = new QStatusBar(this);
    m_status->setObjectName(controlName(Control::WeightingListStatusBar));
    m_status->setSizeGripEnabled(false);
    layout->addWidget(m_status);
    // A run's pool edited here: OK still takes the pool as it came, "&Rechnen" the list as it
    // now stands. The user is told, since both buttons close the list.
    m_editedNote = new QLabel(this);
    m_editedNote->setProperty(kShowsValue, true);
    m_editedNote->setWordWrap(true);
    m_status->addPermanentWidget(m_editedNote, 1);
    m_editedNote->hide();
    m_timer = new QTimer(this);
    m_timer->setObjectName(controlName(Control::WeightingListTimer));
    m_timer->setInterval(kRandomTickMs);
    connect(m_timer, &QTimer::timeout, this, &WeightingListDialog::randomTick);
    showAll();
    showFixedTexts();
}

void WeightingListDialog::showFixedTexts()
{
    setWindowTitle(text(Text::WeightingListTitle));
    m_status->clearMessage();
}

void WeightingListDialog::buildGrid()
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    for (int k = 1; k <= WeightList::kNumbers; ++k) {
        auto* box = new QCheckBox(QString::number(k), this);
        box->setObjectName(weightBoxName(k));
        box->setProperty("number", k);
        box->installEventFilter(this);
        connect(box, &QCheckBox::clicked, this, [this, k] {
            m_list.toggle(k);
            showNumber(k);
            tellStatus(m_list.statusText(k));
            noteEdit();
        });
        // The weight stands beside its box; it is a value, not a text of the window.
        auto* weight = new QLabel(this);
        weight->setProperty(kShowsValue, true);
        weight->setMinimumWidth(weight->fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
        QPalette grey = weight->palette();
        grey.setColor(QPalette::WindowText, grey.color(QPalette::PlaceholderText));
        weight->setPalette(grey);
        m_boxes[index(k)] = box;
        m_weights[index(k)] = weight;
        const int row = (k - 1) / 7;
        const int column = (k - 1) % 7;
        grid->addWidget(box, row, 2 * column);
        grid->addWidget(weight, row, 2 * column + 1);
    }
    static_cast<QVBoxLayout*>(layout())->addLayout(grid);
}

void WeightingListDialog::buildButtons()
{
    auto* row = new QHBoxLayout;
    auto* save = speedButton(this, Control::SaveWeightingList, QStringLiteral("Speichern"),
                             QStringLiteral("Speichern der Liste"));
    auto* load = speedButton(this, Control::LoadWeightingList, QStringLiteral("Laden"),
                             QStringLiteral("Laden der Liste"));
    auto* ok = pushButton(this, Control::WeightingListOk, QStringLiteral("OK"));
    auto* abort = pushButton(this, Control::WeightingListCancel, QStringLiteral("Abbrechen"));
    m_recompute = pushButton(this, Control::WeightingListRecompute, QStringLiteral("&Rechnen"));
    m_randomButton = pushButton(this, Control::WeightingListRandom, QStringLiteral("&Zufall"));
    m_randomButton->hide();
    ok->setDefault(true);
    for (QWidget* w : {static_cast<QWidget*>(save), static_cast<QWidget*>(load)})
        row->addWidget(w);
    row->addStretch(1);
    for (QPushButton* b : {ok, abort, m_recompute, m_randomButton})
        row->addWidget(b);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
    connect(save, &QToolButton::clicked, this, &WeightingListDialog::chooseFileToSave);
    connect(load, &QToolButton::clicked, this, &WeightingListDialog::chooseFileToLoad);
    connect(ok, &QPushButton::clicked, this, [this] { done(Ok); });
    connect(abort, &QPushButton::clicked, this, [this] { done(Abort); });
    connect(m_recompute, &QPushButton::clicked, this, [this] { done(Recompute); });
    connect(m_randomButton, &QPushButton::clicked, this, &WeightingListDialog::pressRandomButton);
}

void WeightingListDialog::setList(const WeightList& list)
{
    m_list = list;
    showAll();
}

QString WeightingListDialog::weightShown(int number) const
{
    return m_weights[index(number)]->text();
}

QString WeightingListDialog::statusText() const
{
    return m_status->currentMessage();
}

std::vector<int> WeightingListDialog::tickedNumbers() const
{
    std::vector<int> numbers;
    for (int k = 1; k <= WeightList::kNumbers; ++k)
        if (m_list.ticked(k))
            numbers.push_back(k);
    return numbers;
}

bool WeightingListDialog::isHighlighted(int number) const
{
    return m_yellow[index(number)];
}

void WeightingListDialog::showNumber(int number)
{
    const QSignalBlocker quiet(box(number));
    box(number)->setChecked(m_list.ticked(number));
    m_weights[index(number)]->setText(m_list.weightText(number));
}

void WeightingListDialog::showAll()
{
    for (int k = 1; k <= WeightList::kNumbers; ++k)
        showNumber(k);
}

void WeightingListDialog::paintBox(int number, const QColor& colour)
{
    QCheckBox* b = box(number);
    m_yellow[index(number)] = colour == kYellow;
    b->setBackgroundRole(QPalette::Window);
    b->setAutoFillBackground(colour.isValid());
    QPalette p = b->palette();
    p.setColor(QPalette::Window, colour.isValid() ? colour : palette().color(QPalette::Window));
    b->setPalette(p);
}

void WeightingListDialog::paintBoxes(const QColor& colour)
{
    for (int k = 1; k <= WeightList::kNumbers; ++k)
        paintBox(k, colour);
}

// A run shows the list as a new dialog would: its own caption, plain boxes, the pool's numbers.
void WeightingListDialog::showPool(const NumberPool& pool)
{
    m_pick.stop();
    m_timer->stop();
    showFixedTexts();
    paintBoxes(QColor());
    setList(WeightList::fromPool(pool));
    m_poolShown = true;
    m_editedNote->hide();
    unsetCursor();
}

QString WeightingListDialog::editedNote() const
{
    return m_editedNote->isVisibleTo(this) ? m_editedNote->text() : QString();
}

void WeightingListDialog::noteEdit()
{
    if (!m_poolShown)
        return;
    m_editedNote->setText(text(Text::WeightingListEdited));
    m_editedNote->show();
}

void WeightingListDialog::showRow(const QString& caption, const std::vector<int>& numbers)
{
    setWindowTitle(caption);
    m_poolShown = false;
    m_editedNote->hide();
    m_recompute->hide();
    m_randomButton->show();
    m_list.tickAll(false);
    paintBoxes(palette().color(QPalette::ToolTipBase));
    for (const int n : numbers) {
        m_list.set(n, true, m_list.weight(n));
        paintBox(n, kYellow);
    }
    showAll();
}

void WeightingListDialog::endRow(const QString& caption)
{
    m_recompute->show();
    m_randomButton->hide();
    paintBoxes(palette().color(QPalette::ToolTipBase));
    setWindowTitle(caption);
}

void WeightingListDialog::pressRandomButton()
{
    const bool wasRunning = m_pick.running();
    m_pick.press();
    if (!wasRunning) {
        m_randomCaption = m_randomButton->text(); // as the language has it, with its "&"
        m_list.tickAll(false);
        paintBoxes(palette().color(QPalette::ToolTipBase));
        showAll();
        m_timer->start();
    } else if (!m_pick.running()) {
        m_timer->stop();
        m_randomButton->setText(m_randomCaption);
    }
}

// One step of the random mode: the fixed numbers stay, the others are drawn anew.
void WeightingListDialog::randomTick()
{
    if (!m_pick.running() || !m_random)
        return;
    m_randomButton->setText(m_pick.runningCaption());
    m_pick.tick(*m_random);
    m_list.tickAll(false);
    paintBoxes(palette().color(QPalette::ToolTipBase));
    for (const int n : m_pick.row()) {
        m_list.set(n, true, m_list.weight(n));
        paintBox(n, kYellow);
    }
    showAll();
}

void WeightingListDialog::done(int result)
{
    // Closing the dialog ends the random mode with the numbers it shows.
    if (m_pick.running()) {
        m_pick.stop();
        m_timer->stop();
        m_randomButton->setText(m_randomCaption);
    }
    QDialog::done(result);
}

bool WeightingListDialog::eventFilter(QObject* watched, QEvent* event)
{
    const auto* b = qobject_cast<QCheckBox*>(watched);
    const int number = b ? b->property("number").toInt() : 0;
    if (number < 1 || number > WeightList::kNumbers)
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove)
        tellStatus(m_list.statusText(number));
    if (event->type() == QEvent::MouseButtonRelease) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
            m_list.rightClick(number);
            showNumber(number);
            tellStatus(m_list.statusText(number));
            noteEdit();
            return true;
        }
        m_list.otherButtonReleased();
    }
    return QDialog::eventFilter(watched, event);
}

void WeightingListDialog::tellStatus(const QString& text)
{
    m_status->showMessage(text);
}

Status WeightingListDialog::saveList(const QString& path)
{
    const Status saved = saveWeightList(m_list, path);
    showAll(); // a ticked box without a weight now shows the 1 it was saved with
    return saved;
}

Status WeightingListDialog::loadList(const QString& path)
{
    const Status loaded = loadWeightList(m_list, path);
    showAll();
    noteEdit();
    return loaded;
}

void WeightingListDialog::chooseFileToSave()
{
    const QString proposed = m_today ? proposedWeightListName(m_today()) : QString();
    const QString path = QFileDialog::getSaveFileName(
        this, QString(), m_folder.isEmpty() ? proposed : m_folder + '/' + proposed,
        text(Text::WeightListFilter));
    if (path.isEmpty())
        return;
    const QString withSuffix = path.endsWith(QLatin1String(".qkw"), Qt::CaseInsensitive)
                                   ? path
                                   : path + QStringLiteral(".qkw");
    if (const Status saved = saveList(withSuffix); !saved)
        QMessageBox::warning(this, windowTitle(), saved.error());
}

void WeightingListDialog::chooseFileToLoad()
{
    const QString path = QFileDialog::getOpenFileName(this, QString(), m_folder,
                                                      text(Text::WeightListFilter));
    if (path.isEmpty())
        return;
    if (const Status loaded = loadList(path); !loaded)
        QMessageBox::warning(this, windowTitle(), loaded.error());
}

} // namespace vendrilo::gui
