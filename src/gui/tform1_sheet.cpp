// The tip sheet on the "Lottotipp" tab: twelve rows of six fields mirrored from the sheet
// model, row locks, clearing, evaluation, tip files and the search of the draw history.
#include "core/charts/charts.h"
#include "core/evaluation/komplettcheck.h"
#include "core/evaluation/tipsearch.h"
#include "core/tipfiles/tipfile.h"
#include "gui/chartview.h"
#include "gui/clickablelabel.h"
#include "gui/sheetnames.h"
#include "gui/tform1.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSoundEffect>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace vendrilo::gui {

namespace {

const QColor kLocked(0xFF, 0x00, 0x00);
const QColor kLime(0x00, 0xFF, 0x00);
const QColor kYellow(0xFF, 0xFF, 0x00);

const QString kLockHint = QStringLiteral("Ist \"Tipp\" rot, wird diese Reihe nicht neu berechnet!");

// Reports a field losing the focus, the moment the sheet is evaluated again.
class FocusOutFilter : public QObject {
public:
    FocusOutFilter(QObject* parent, std::function<void()> onExit)
        : QObject(parent), m_onExit(std::move(onExit))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusOut)
            m_onExit();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_onExit;
};

} // namespace

void TForm1::buildSheet(QWidget* tab, QVBoxLayout* layout)
{
    auto* sheet = new QWidget(tab);
    sheet->setObjectName(QStringLiteral("SheetPanel"));
    auto* grid = new QGridLayout(sheet);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    auto* exitFilter = new FocusOutFilter(this, [this] { Edit1Exit(); });

    for (int r = 0; r < 12; ++r) {
        const SheetRowNames& names = kSheetRows[r];
        auto* rowLabel = new ClickableLabel(QStringLiteral("%1. Tipp").arg(r + 1), sheet);
        rowLabel->setObjectName(QString::fromLatin1(names.rowLabel));
        rowLabel->setToolTip(kLockHint);
        rowLabel->setStatusTip(kLockHint);
        rowLabel->setCursor(Qt::PointingHandCursor);
        connect(rowLabel, &ClickableLabel::clicked, this, [this, r] { Label30Click(r + 1); });
        m_rowLabels[r] = rowLabel;
        grid->addWidget(rowLabel, r, 0);

        for (int p = 0; p < 6; ++p) {
            auto* edit = new QLineEdit(sheet);
            edit->setObjectName(QStringLiteral("Edit%1").arg(names.firstEdit + p));
            edit->setMaxLength(3);
            edit->setAlignment(Qt::AlignCenter);
            edit->setFixedWidth(34);
            edit->setAutoFillBackground(true);
            edit->installEventFilter(exitFilter);
            connect(edit, &QLineEdit::textChanged, this,
                    [this, r, p] { Edit1Change(r + 1, p + 1); });
            m_fields[r][p] = edit;
            grid->addWidget(edit, r, 1 + p);
        }

        auto* hits = new QLabel(sheet);
        hits->setObjectName(QString::fromLatin1(names.hitsLabel));
        hits->setMinimumWidth(40);
        m_hitsLabels[r] = hits;
        grid->addWidget(hits, r, 7);
        auto* cross = new QLabel(sheet);
        cross->setObjectName(QString::fromLatin1(names.crossSumLabel));
        cross->setMinimumWidth(30);
        m_crossSumLabels[r] = cross;
        grid->addWidget(cross, r, 8);
    }
    grid->setColumnStretch(9, 1);

    auto* buttons = new QVBoxLayout;
    UpDown8 = new QSpinBox(tab);
    UpDown8->setObjectName(QStringLiteral("UpDown8"));
    UpDown8->setProperty("editName", QStringLiteral("Edit80"));
    UpDown8->setRange(1, 12);
    UpDown8->setValue(m_state.options.value(QStringLiteral("UpDown8")));
    UpDown8->setToolTip(QStringLiteral("Anzahl der Tipps"));
    connect(UpDown8, &QSpinBox::valueChanged, this,
            [this](int v) { m_state.options.set(QStringLiteral("UpDown8"), v); });

    BitBtn4 = new QPushButton(QStringLiteral("Tipps &berechnen"), tab);
    BitBtn4->setObjectName(QStringLiteral("BitBtn4"));
    BitBtn4->setToolTip(QStringLiteral(
        "Die eingestellt Anzahl von Tipps wird mit den vorgegebenen Parametern berechnet"));
    SpeedButton11 = speedButton(tab, "SpeedButton11", QStringLiteral("Löschen"),
                                QStringLiteral("Löschen aller Tipps"));
    SpeedButton4 = speedButton(tab, "SpeedButton4", QStringLiteral("Tipps in DB suchen"),
                               QStringLiteral("Hier können Sie suchen ob dieser Tipp schon einmal "
                                              "gezogen wurde"));
    SpeedButton15 = speedButton(tab, "SpeedButton15", QStringLiteral("Speichern"),
                                QStringLiteral("Speichern des Tipps"));
    SpeedButton16 = speedButton(tab, "SpeedButton16", QStringLiteral("Laden"),
                                QStringLiteral("Tipp laden aus Datei"));
    SpeedButton13 = speedButton(tab, "SpeedButton13", QStringLiteral("Glückszahl setzen"),
                                QStringLiteral("Hier können Sie den Zufall etwas nachhelfen und "
                                               "wirklich Ihren Tipp generieren"));
    auto* count = new QHBoxLayout;
    count->addWidget(new QLabel(QStringLiteral("Tipps:"), tab));
    count->addWidget(UpDown8);
    buttons->addWidget(BitBtn4);
    buttons->addLayout(count);
    buttons->addWidget(SpeedButton13);
    buttons->addSpacing(12);
    buttons->addWidget(SpeedButton4);
    buttons->addWidget(SpeedButton15);
    buttons->addWidget(SpeedButton16);
    buttons->addWidget(SpeedButton11);
    buttons->addSpacing(12);
    buttons->addWidget(chartButton(tab, "Button6", QStringLiteral("Tippverteilung"),
                                   QStringLiteral("Zahlenverteilung des Tippes"),
                                   charts::ChartKind::Tips, false, true));
    buttons->addStretch(1);
    for (QToolButton* b :
         {SpeedButton13, SpeedButton4, SpeedButton15, SpeedButton16, SpeedButton11})
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    connect(BitBtn4, &QPushButton::clicked, this, &TForm1::Label28Click);
    connect(SpeedButton13, &QToolButton::clicked, this, &TForm1::SpeedButton13Click);
    connect(SpeedButton11, &QToolButton::clicked, this, &TForm1::Loeschendertipp);
    connect(SpeedButton4, &QToolButton::clicked, this, &TForm1::SpeedButton4Click);
    connect(SpeedButton15, &QToolButton::clicked, this, &TForm1::SpeedButton15Click);
    connect(SpeedButton16, &QToolButton::clicked, this, &TForm1::SpeedButton16Click);

    auto* body = new QHBoxLayout;
    body->addWidget(sheet, 1);
    body->addLayout(buttons);
    layout->addLayout(body, 1);
}

QLineEdit* TForm1::sheetField(int row, int position) const
{
    return m_fields[row - 1][position - 1];
}

void TForm1::Edit1Change(int row, int position)
{
    if (m_writingSheet)
        return;
    QLineEdit* edit = sheetField(row, position);
    const QString normalised = m_state.sheet.setField(row, position, edit->text());
    // A lone sign is an entry still being typed: the sheet holds nothing for it, but the field
    // keeps showing it so that "-3" is judged as a whole (and emptied) rather than as "3".
    if (edit->text() == QLatin1String("-") || edit->text() == QLatin1String("+"))
        return;
    if (normalised != edit->text()) {
        m_writingSheet = true;
        edit->setText(normalised);
        m_writingSheet = false;
    }
}

void TForm1::Edit1Exit()
{
    if (m_state.sortieren)
        Komplettcheck();
    else
        refreshSheet(); // drops a sign left alone in a field
}

void TForm1::refreshSheet()
{
    m_writingSheet = true;
    const QColor window = palette().color(QPalette::Base);
    const QColor text = palette().color(QPalette::WindowText);
    for (int r = 1; r <= 12; ++r) {
        const TipSheet::Row& row = m_state.sheet.row(r);
        for (int p = 1; p <= 6; ++p) {
            QLineEdit* edit = sheetField(r, p);
            if (edit->text() != row.fields[static_cast<std::size_t>(p - 1)])
                edit->setText(row.fields[static_cast<std::size_t>(p - 1)]);
            QColor colour = window;
            switch (row.colours[static_cast<std::size_t>(p - 1)]) {
            case FieldColour::Lime:
                colour = kLime;
                break;
            case FieldColour::Yellow:
                colour = kYellow;
                break;
            case FieldColour::Window:
                break;
            }
            QPalette pal = edit->palette();
            pal.setColor(QPalette::Base, colour);
            edit->setPalette(pal);
        }
        QLabel* hits = m_hitsLabels[r - 1];
        hits->setText(row.hitsLabel);
        QPalette hp = hits->palette();
        hp.setColor(QPalette::WindowText, row.hitsRed ? kLocked : QColor(Qt::black));
        hits->setPalette(hp);
        m_crossSumLabels[r - 1]->setText(row.crossSumLabel);

        QPalette lp = m_rowLabels[r - 1]->palette();
        lp.setColor(QPalette::WindowText, row.locked ? kLocked : text);
        m_rowLabels[r - 1]->setPalette(lp);
    }
    if (UpDown8->value() != m_state.options.value(QStringLiteral("UpDown8")))
        UpDown8->setValue(m_state.options.value(QStringLiteral("UpDown8")));
    m_writingSheet = false;
}

void TForm1::applyEvaluation(const SheetEvaluation& evaluation)
{
    refreshSheet();
    if (evaluation.playSound)
        playHitSound();
}

int TForm1::Komplettcheck()
{
    const SheetEvaluation evaluation = vendrilo::Komplettcheck(m_state);
    if (evaluation.evaluated)
        applyEvaluation(evaluation);
    return evaluation.maximum;
}

void TForm1::playHitSound()
{
    // Played asynchronously; a missing file or no sound device simply plays nothing.
    const QString path = drawfile::pathIn(m_state.Home, m_state.SoundName);
    if (!QFileInfo::exists(path))
        return;
    if (!m_sound)
        m_sound = new QSoundEffect(this);
    const QUrl source = QUrl::fromLocalFile(path);
    if (m_sound->source() != source)
        m_sound->setSource(source);
    m_sound->stop();
    m_sound->play();
}

void TForm1::Label30Click(int row)
{
    m_state.sheet.toggleLock(row);
    refreshSheet();
}

void TForm1::SpeedButton11Click()
{
    applyEvaluation(vendrilo::SpeedButton11Click(m_state));
}

void TForm1::Loeschendertipp()
{
    if (m_prompts->askYesNo(m_state.messages.line(51), m_state.messages.line(50)))
        SpeedButton11Click();
}

void TForm1::SpeedButton4Click()
{
    // The search shows every draw it examines and the rows' hits as it goes.
    class Observer : public TipSearchObserver {
    public:
        explicit Observer(TForm1* w) : m_w(w) {}
        void searchStarted() override { m_w->chart()->setChartData({}); }
        void drawExamined(const ShownDraw&) override { m_w->showDrawLabels(); }
        void sheetEvaluated(const SheetEvaluation& e) override { m_w->applyEvaluation(e); }

    private:
        TForm1* m_w;
    } observer(this);

    syncPickersToState();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const TipSearchResult result = vendrilo::SpeedButton4Click(m_state, *m_prompts, &observer);
    QApplication::restoreOverrideCursor();
    showDrawLabels();
    refreshSheet();
    if (result.error)
        m_prompts->message(*result.error);
}

void TForm1::SpeedButton15Click()
{
    syncPickersToState();
    const QString proposed = proposedTipFileName(m_state.picker1.date(), today());
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("Tippdatei (*.qkt)"));
    dialog.setDefaultSuffix(kTipFileExtension);
    dialog.setDirectory(m_state.Home);
    dialog.selectFile(proposed);
    // The program replaces an existing tip file without asking.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    if (auto error = saveTipFile(dialog.selectedFiles().constFirst(), m_state.sheet, m_state.LosNr))
        m_prompts->message(*error);
}

void TForm1::SpeedButton16Click()
{
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QStringLiteral("Tippdatei (*.qkt)"));
    dialog.setDefaultSuffix(kTipFileExtension);
    dialog.setDirectory(m_state.Home);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        const auto result = vendrilo::Textladen(m_state, dialog.selectedFiles().constFirst());
        refreshSheet();
        if (result.error) {
            // The reader cleared the unlocked rows before it failed; no evaluation follows.
            m_prompts->message(*result.error);
            return;
        }
    }
    SpeedButton5Click();
}

void TForm1::Textladen(const QString& Dateiname)
{
    const auto result = vendrilo::Textladen(m_state, Dateiname);
    refreshSheet();
    if (result.error)
        m_prompts->message(*result.error);
}

} // namespace vendrilo::gui
