// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/sheetpage.h"

#include "core/sheet/sheetcontrols.h"
#include "core/texts/textlist.h"
#include "gui/chancespanel.h"
#include "gui/controls.h"
#include "gui/plushitscolumn.h"
#include "gui/prizecolumn.h"
#include "gui/session.h"

#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <functional>

namespace vendrilo::gui {

namespace {

const QColor kRed(0xFF, 0x00, 0x00);
const QColor kLime(0x00, 0xFF, 0x00);
const QColor kYellow(0xFF, 0xFF, 0x00);

const QString kLockHint = QStringLiteral("Ist \"Tipp\" rot, wird diese Reihe nicht neu berechnet!");
const QString kSingleTipHint = QStringLiteral("Klicken Sie hier um Tipp 1 mit dem Tippformular zu "
                                              "ändern oder per Zufallsgenerator erzeugen wollen");

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

void setTextColour(QWidget* w, const QColor& colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    w->setPalette(p);
}

} // namespace

SheetPage::SheetPage(Session& session, QWidget* parent) : QWidget(parent), m_session(session)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4); // narrow: the page is tall for the first size
    layout->setSpacing(4);
    layout->addWidget(buildDrawPanel());
    auto* body = new QHBoxLayout;
    body->addWidget(buildSheet(), 1);
    body->addWidget(buildActions());
    layout->addLayout(body, 1);
    layout->addWidget(buildBanner());

    connect(&m_session, &Session::shownDrawChanged, this, &SheetPage::showDraw);
    connect(&m_session, &Session::sheetChanged, this, &SheetPage::showSheet);
    connect(&m_session, &Session::optionsChanged, this, &SheetPage::showRowCount);
    connect(&m_session, &Session::generationRunningChanged, this, &SheetPage::showRunning);
    showDraw();
    showSheet();
}

QWidget* SheetPage::buildDrawPanel()
{
    auto* panel = new QFrame(this);
    panel->setObjectName(controlName(Control::DrawPanel));
    panel->setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(panel);
    m_previousDraw = speedButton(panel, Control::PreviousDraw, QStringLiteral("◀"),
                                 QStringLiteral("vorhergehende Ziehung anzeigen"));
    m_nextDraw = speedButton(panel, Control::NextDraw, QStringLiteral("▶"),
                             QStringLiteral("nächste Ziehung anzeigen"));
    m_drawLine = namedLabel(panel, Control::SheetDrawLine);
    m_drawLine->setAlignment(Qt::AlignCenter);
    m_crossSum = namedLabel(panel, Control::CrossSumLine, QStringLiteral("QS: "));
    // The label shows its caption followed by the shown draw's cross sum; a language sets the
    // caption part.
    m_crossSum->setProperty(kCaptionPrefix, m_crossSum->text());
    m_crossSum->setToolTip(QStringLiteral("Quersummer (Summer aller Ziffern) der Ziehungszahlen"));
    auto* update = speedButton(panel, Control::UpdateDraws, QStringLiteral("⟳"),
                               QStringLiteral("Ziehungen aus dem Internet aktualisieren"));
    auto* stop = speedButton(panel, Control::StopUpdate, QStringLiteral("■"),
                             QStringLiteral("Stoppt das Einlesen"));
    stop->hide(); // only while an update runs
    row->addWidget(m_previousDraw);
    row->addWidget(m_drawLine, 1);
    row->addWidget(m_nextDraw);
    row->addWidget(m_crossSum);
    row->addWidget(update);
    row->addWidget(stop);
    connect(m_previousDraw, &QToolButton::clicked, &m_session, &Session::goToPreviousDraw);
    connect(m_nextDraw, &QToolButton::clicked, &m_session, &Session::goToNextDraw);
    connect(update, &QToolButton::clicked, &m_session, &Session::fetchNewDraws);
    connect(stop, &QToolButton::clicked, &m_session, &Session::requestUpdateStop);
    connect(&m_session, &Session::updateRunningChanged, this, [this, update, stop](bool running) {
        update->setEnabled(!running);
        stop->setVisible(running);
        m_startButton->setEnabled(!running);
    });
    m_idleOnlyControls << m_previousDraw << m_nextDraw << update;
    return panel;
}

QWidget* SheetPage::buildSheet()
{
    auto* sheet = new QWidget(this);
    sheet->setObjectName(QStringLiteral("SheetPanel"));
    auto* grid = new QGridLayout(sheet);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(1);
    for (int r = 1; r <= 12; ++r)
        buildRow(sheet, r);
    m_ticket = namedLabel(sheet, Control::TicketNumber);
    m_ticket->setToolTip(QStringLiteral("Die Losnummer Ihres Spielscheins"));
    grid->addWidget(m_ticket, 12, 0, 1, 7);
    new PlusHitsColumn(m_session, sheet, grid, 10);
    new PrizeColumn(m_session, *this, grid, 11, 13);
    grid->addWidget(new ChancesPanel(m_session, *this, sheet), 14, 0, 1, 11);
    for (int p = 1; p <= 6; ++p)
        grid->setColumnStretch(p, 1);
    grid->setColumnStretch(11, 2);
    return sheet;
}

void SheetPage::buildRow(QWidget* sheet, int r)
{
    auto* grid = static_cast<QGridLayout*>(sheet->layout());
    const SheetRowNames& names = kSheetRows[r - 1];
    auto* rowLabel = new QLabel(QStringLiteral("%1. Tipp").arg(r), sheet);
    rowLabel->setObjectName(QString::fromLatin1(names.rowLabel));
    rowLabel->setToolTip(kLockHint);
    connect(clicksOf(rowLabel), &ClickNotifier::clicked, this,
            [this, r] { m_session.toggleRowLock(r); });
    m_rowLabels[r - 1] = rowLabel;
    grid->addWidget(rowLabel, r - 1, 0);

    auto* exitFilter = new FocusOutFilter(sheet, [this] { m_session.leaveField(); });
    for (int p = 1; p <= 6; ++p) {
        auto* edit = new NumberField(sheet);
        edit->setObjectName(sheetFieldName(r, p));
        edit->installEventFilter(exitFilter);
        connect(edit, &QLineEdit::textChanged, this, [this, r, p] { acceptTyping(r, p); });
        m_fields[r - 1][p - 1] = edit;
        grid->addWidget(edit, r - 1, p);
    }
    // The single-tip form for this row; every button carries the same hint.
    auto* form = speedButton(sheet, qPrintable(QStringLiteral("Tipp%1Edit").arg(r)),
                             QStringLiteral("✎"), kSingleTipHint);
    connect(form, &QToolButton::clicked, this, [this, r] { Q_EMIT singleTipWanted(r); });
    m_idleOnlyControls << form;
    grid->addWidget(form, r - 1, 7);
    m_hitsLabels[r - 1] = namedLabel(sheet, names.hitsLabel);
    m_hitsLabels[r - 1]->setMinimumWidth(40);
    grid->addWidget(m_hitsLabels[r - 1], r - 1, 8);
    m_crossSumLabels[r - 1] = namedLabel(sheet, names.crossSumLabel);
    m_crossSumLabels[r - 1]->setMinimumWidth(30);
    grid->addWidget(m_crossSumLabels[r - 1], r - 1, 9);
}

QWidget* SheetPage::buildActions()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(controlName(Control::SheetActions));
    auto* buttons = new QVBoxLayout(panel);
    buttons->setContentsMargins(0, 0, 0, 0);
    // Alt+B belongs to the menu's "&Berechnen"; the button takes Alt+T, so that each starts.
    m_startButton = pushButton(this, Control::StartGeneration, QStringLiteral("&Tipps berechnen"),
                               QStringLiteral("Die eingestellt Anzahl von Tipps wird mit den "
                                              "vorgegebenen Parametern berechnet"));
    auto* lucky = speedButton(this, Control::SetLuckyNumber, QStringLiteral("Glückszahl setzen"),
                              QStringLiteral("Hier können Sie den Zufall etwas nachhelfen und "
                                             "wirklich Ihren Tipp generieren"));
    auto* search =
        speedButton(this, Control::SearchTipsInDatabase, QStringLiteral("Tipps in DB suchen"),
                    QStringLiteral("Hier können Sie suchen ob dieser Tipp schon "
                                   "einmal gezogen wurde"));
    auto* save = speedButton(this, Control::SaveTips, QStringLiteral("Speichern"),
                             QStringLiteral("Speichern des Tipps"));
    auto* load = speedButton(this, Control::LoadTips, QStringLiteral("Laden"),
                             QStringLiteral("Tipp laden aus Datei"));
    auto* clear = speedButton(this, Control::ClearSheet, QStringLiteral("Löschen"),
                              QStringLiteral("Löschen aller Tipps"));
    auto* tipChart =
        pushButton(this, Control::TipDistributionChart, QStringLiteral("Tippverteilung"),
                   QStringLiteral("Zahlenverteilung des Tippes"));
    auto* cart = pushButton(this, Control::Cart, QStringLiteral("Cart"),
                            QStringLiteral("Die Tipps im Warenkorb eines Online-Portals abgeben"));
    // "Tipp": the filled rows as a text to print or copy.
    auto* printout = speedButton(this, Control::PrintTicket, QStringLiteral("Tipp"),
                                 QStringLiteral("Die Tipps als Text ausgeben, zum Drucken oder "
                                                "Kopieren"));

    buttons->addWidget(m_startButton);
    buttons->addLayout(buildRowCount());
    const QList<QWidget*> column{lucky, nullptr, search,   save, load,
                                 clear, nullptr, tipChart, cart, printout};
    for (QWidget* w : column) {
        if (!w) {
            buttons->addSpacing(12);
            continue;
        }
        w->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        buttons->addWidget(w);
    }
    buttons->addStretch(1);
    m_idleOnlyControls << lucky << search << save << load << clear << tipChart << cart << printout;
    connect(printout, &QToolButton::clicked, &m_session, &Session::printTips);

    connect(m_startButton, &QPushButton::clicked, &m_session, &Session::startOrStopGeneration);
    connect(lucky, &QToolButton::clicked, &m_session, &Session::chooseLuckyNumber);
    connect(clear, &QToolButton::clicked, &m_session, &Session::clearSheetAfterAsking);
    connect(search, &QToolButton::clicked, &m_session, &Session::findTipsInHistory);
    connect(save, &QToolButton::clicked, this, &SheetPage::chooseFileToSave);
    connect(load, &QToolButton::clicked, this, &SheetPage::chooseFileToLoad);
    connect(tipChart, &QPushButton::clicked, this,
            [this] { m_session.drawChart(charts::ChartKind::Tips); });
    connect(cart, &QPushButton::clicked, &m_session, &Session::sendSheetToPortal);
    showRowCount();
    return panel;
}

QLayout* SheetPage::buildRowCount()
{
    m_rowCount = new QSpinBox(this);
    m_rowCount->setObjectName(optionSpec(Option::RowCount).name);
    m_rowCount->setProperty("editName", optionSpec(Option::RowCount).edit);
    m_rowCount->setRange(1, 12);
    m_rowCount->setToolTip(QStringLiteral("Anzahl der Tipps"));
    connect(m_rowCount, &QSpinBox::valueChanged, this,
            [this](int v) { m_session.setOption(Option::RowCount, v); });
    auto* count = new QHBoxLayout;
    count->addWidget(namedLabel(this, "RowCountLabel", QStringLiteral("Tipps:")));
    count->addWidget(m_rowCount);
    return count;
}

QWidget* SheetPage::buildBanner()
{
    auto* banner = new QWidget(this);
    auto* row = new QHBoxLayout(banner);
    row->setContentsMargins(0, 0, 0, 0);
    const struct {
        Control panel;
        Control label;
        const char* text;
    } parts[] = {
        {Control::VendorBannerPanel, Control::VendorBanner, "w w w . q u i r l e n d . d e"},
        {Control::NameBannerPanel, Control::NameBanner, "V e n d r i l o"}};
    for (const auto& part : parts) {
        auto* panel = new QFrame(banner);
        panel->setObjectName(controlName(part.panel));
        panel->setFrameShape(QFrame::StyledPanel);
        auto* inner = new QHBoxLayout(panel);
        auto* label = new QLabel(QString::fromLatin1(part.text), panel);
        label->setObjectName(controlName(part.label));
        label->setAlignment(Qt::AlignCenter);
        label->setToolTip(QStringLiteral("Die Seite von Vendrilo im Internet öffnen"));
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
        inner->addWidget(label);
        row->addWidget(panel, 1);
        connect(clicksOf(panel), &ClickNotifier::clicked, this, &SheetPage::productPageWanted);
        connect(clicksOf(label), &ClickNotifier::clicked, this, &SheetPage::productPageWanted);
    }
    return banner;
}

void SheetPage::acceptTyping(int row, int position)
{
    QLineEdit* edit = field(row, position);
    const QString normalised = m_session.setField(row, position, edit->text());
    // A lone sign is an entry still being typed: the sheet holds nothing for it, but the field
    // keeps showing it so that "-3" is judged as a whole (and emptied) rather than as "3".
    if (edit->text() == QLatin1String("-") || edit->text() == QLatin1String("+"))
        return;
    if (normalised != edit->text()) {
        const QSignalBlocker quiet(edit);
        edit->setText(normalised);
    }
}

void SheetPage::chooseFileToSave()
{
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(text(Text::TipFileFilter));
    dialog.setDefaultSuffix(QStringLiteral("qkt"));
    dialog.setDirectory(m_session.state().programFolder);
    dialog.selectFile(m_session.suggestedSheetFileName());
    // The program replaces an existing tip file without asking.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        m_session.saveSheetAs(dialog.selectedFiles().constFirst());
}

void SheetPage::chooseFileToLoad()
{
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(text(Text::TipFileFilter));
    dialog.setDefaultSuffix(QStringLiteral("qkt"));
    dialog.setDirectory(m_session.state().programFolder);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        m_session.openSheetFile(dialog.selectedFiles().constFirst());
    else
        m_session.goToChosenDate(); // the sheet is scored whether or not a file came
}

void SheetPage::showDraw()
{
    m_drawLine->setText(m_session.state().shown.drawLine);
    const ShownDraw& shown = m_session.state().shown;
    m_crossSum->setText(shown.crossSumText.isEmpty()
                            ? QString()
                            : m_crossSum->property(kCaptionPrefix).toString() +
                                  QString::number(shown.crossSum()));
}

void SheetPage::showSheet()
{
    const QColor window = palette().color(QPalette::Base);
    const QColor text = palette().color(QPalette::WindowText);
    const TipSheet& sheet = m_session.state().sheet;
    for (int r = 1; r <= 12; ++r) {
        const TipSheet::Row& row = sheet.row(r);
        for (int p = 1; p <= 6; ++p) {
            QLineEdit* edit = field(r, p);
            const auto k = static_cast<std::size_t>(p - 1);
            if (edit->text() != row.fields[k]) {
                const QSignalBlocker quiet(edit);
                edit->setText(row.fields[k]);
            }
            QPalette pal = edit->palette();
            pal.setColor(QPalette::Base, row.colours[k] == FieldColour::Lime     ? kLime
                                         : row.colours[k] == FieldColour::Yellow ? kYellow
                                                                                 : window);
            edit->setPalette(pal);
        }
        m_hitsLabels[r - 1]->setText(row.hitsLabel);
        setTextColour(m_hitsLabels[r - 1], row.hitsRed ? kRed : QColor(Qt::black));
        m_crossSumLabels[r - 1]->setText(row.crossSumLabel);
        setTextColour(m_rowLabels[r - 1], row.locked ? kRed : text);
    }
    // The ticket number as the tip file brought it, behind the message list's "Schein Nr ".
    const QString& ticket = m_session.state().ticketNumber;
    m_ticket->setText(m_session.state().messages.text(Msg::TicketNumber) + QStringLiteral(": ") +
                      ticket);
    m_ticket->setVisible(!ticket.isEmpty());
}

void SheetPage::showRowCount()
{
    const QSignalBlocker quiet(m_rowCount);
    m_rowCount->setValue(m_session.state().options.value(Option::RowCount));
}

void SheetPage::showRunning(bool running)
{
    // A run owns the sheet and the shown draw until it ends: what would change them under it
    // waits. Row locks and the options stay open, the run reads them afresh.
    for (QWidget* w : std::as_const(m_idleOnlyControls))
        w->setEnabled(!running);
    for (auto& row : m_fields)
        for (QLineEdit* edit : row)
            edit->setReadOnly(running);
    if (running) {
        m_startCaption = m_startButton->text();
        m_startButton->setText(m_session.state().messages.text(Msg::Stop));
    } else {
        m_startButton->setText(m_startCaption);
    }
}

} // namespace vendrilo::gui
