#include "gui/tform1.h"

#include "core/evaluation/komplettcheck.h"
#include "gui/dialogs.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace vendrilo::gui {

namespace {

const QDate kPickerMinimum(1994, 11, 19);

QLabel* label(QWidget* parent, const char* name, const QString& text = {})
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

} // namespace

QToolButton* speedButton(QWidget* parent, const char* name, const QString& text,
                         const QString& hint)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(text);
    b->setToolTip(hint);
    b->setStatusTip(hint);
    return b;
}

QDateEdit* datePicker(QWidget* parent, const char* name)
{
    auto* p = new QDateEdit(parent);
    p->setObjectName(QString::fromLatin1(name));
    p->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    p->setCalendarPopup(true);
    p->setMinimumDate(kPickerMinimum);
    p->setMaximumDate(QDate(9999, 12, 31));
    return p;
}

TForm1::TForm1(QWidget* parent, std::unique_ptr<Prompts> prompts, const QString& home)
    : QMainWindow(parent),
      m_prompts(prompts ? std::move(prompts) : std::make_unique<GuiPrompts>(this)),
      m_home(home.isEmpty() ? QApplication::applicationDirPath() : home)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quirlends Vendrilo  6/49 PL"));

    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    StatusPanel0 = new QLabel(status);
    StatusPanel0->setObjectName(QStringLiteral("StatusBar1Panel0"));
    StatusPanel0->setMinimumWidth(150);
    StatusPanel1 = new QLabel(status);
    StatusPanel1->setObjectName(QStringLiteral("StatusBar1Panel1"));
    StatusPanel1->setMinimumWidth(50);
    status->addWidget(StatusPanel0);
    status->addWidget(StatusPanel1, 1);
    setStatusBar(status);

    buildMenu();
    buildTabs();
    resize(800, 600);
}

TForm1::~TForm1() = default;

void TForm1::buildMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    auto topAction = [&](const char* name, const QString& text, const QKeySequence& key) {
        auto* a = new QAction(text, this);
        a->setObjectName(QString::fromLatin1(name));
        if (!key.isEmpty())
            a->setShortcut(key);
        bar->addAction(a);
        return a;
    };
    topAction("Aktualisieren1", QStringLiteral("&Aktualisieren"),
              QKeySequence(Qt::CTRL | Qt::Key_A));
    QAction* calculate =
        topAction("Berechnen1", QStringLiteral("&Berechnen"), QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(calculate, &QAction::triggered, this, &TForm1::Label28Click);
    topAction("Abgeben1", QStringLiteral("Ab&geben"), QKeySequence(Qt::CTRL | Qt::Key_G));

    QMenu* language = bar->addMenu(QStringLiteral("Sprache/Language/Langue"));
    language->setObjectName(QStringLiteral("SpracheLanguageLangue1"));
    for (const char* name : {"Deutsch", "Englisch", "Französisch", "Spanisch", "Türkisch",
                             "Russisch", "Polnisch", "Tschechisch", "Niederländisch"}) {
        QAction* a = language->addAction(QString::fromUtf8(name));
        a->setObjectName(QString::fromUtf8(name) + QLatin1Char('1'));
    }

    QMenu* help = bar->addMenu(QStringLiteral("Hilfe"));
    help->setObjectName(QStringLiteral("Hilfe1"));
    help->addAction(QStringLiteral("Dokumentation anzeigen"))
        ->setObjectName(QStringLiteral("Dokumentationanzeigen1"));

    QAction* close = topAction("Schlieen1", QStringLiteral("S&chließen"), {});
    connect(close, &QAction::triggered, this, &QWidget::close);
}

void TForm1::buildTabs()
{
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    setCentralWidget(PageControl1);
    // The content follows the window's height, so the window must be free to shrink below
    // what the enlarged content would ask for.
    PageControl1->setMinimumSize(200, 150);
    m_baseFontPointSize = PageControl1->font().pointSizeF();

    TabSheet1 = buildLottotippTab();
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    PageControl1->addTab(TabSheet1, QStringLiteral("Lottotipp"));

    TabSheet6 = buildBerechnungTab();
    TabSheet6->setObjectName(QStringLiteral("TabSheet6"));
    PageControl1->addTab(TabSheet6, QStringLiteral("Berechnung"));

    TabSheet5 = buildDiagrammTab();
    TabSheet5->setObjectName(QStringLiteral("TabSheet5"));
    PageControl1->addTab(TabSheet5, QStringLiteral("Diagramm"));

    TabSheet4 = buildDatenbankTab();
    TabSheet4->setObjectName(QStringLiteral("TabSheet4"));
    PageControl1->addTab(TabSheet4, QStringLiteral("Datenbank"));

    TabSheet3 = new QWidget(PageControl1);
    TabSheet3->setObjectName(QStringLiteral("TabSheet3"));
    PageControl1->addTab(TabSheet3, QStringLiteral("Internet-Optionen"));

    PageControl1->setCurrentIndex(0);
}

QWidget* TForm1::buildLottotippTab()
{
    auto* tab = new QWidget(PageControl1);
    auto* layout = new QVBoxLayout(tab);

    Panel4 = new QFrame(tab);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    static_cast<QFrame*>(Panel4)->setFrameShape(QFrame::StyledPanel);
    auto* panel = new QHBoxLayout(Panel4);
    SpeedButton6 = speedButton(Panel4, "SpeedButton6", QStringLiteral("◀"),
                               QStringLiteral("vorhergehende Ziehung anzeigen"));
    SpeedButton7 = speedButton(Panel4, "SpeedButton7", QStringLiteral("▶"),
                               QStringLiteral("nächste Ziehung anzeigen"));
    Label35 = label(Panel4, "Label35");
    Label35->setAlignment(Qt::AlignCenter);
    Label13 = label(Panel4, "Label13", QStringLiteral("QS: "));
    Label13->setToolTip(QStringLiteral("Quersummer (Summer aller Ziffern) der Ziehungszahlen"));
    panel->addWidget(SpeedButton6);
    panel->addWidget(Label35, 1);
    panel->addWidget(SpeedButton7);
    panel->addWidget(Label13);
    layout->addWidget(Panel4);
    buildSheet(tab, layout);

    connect(SpeedButton6, &QToolButton::clicked, this, &TForm1::SpeedButton6Click);
    connect(SpeedButton7, &QToolButton::clicked, this, &TForm1::SpeedButton7Click);
    return tab;
}

QWidget* TForm1::buildDatenbankTab()
{
    auto* tab = new QWidget(PageControl1);
    auto* grid = new QGridLayout(tab);
    Label29 = label(tab, "Label29");
    QFont bold = Label29->font();
    bold.setBold(true);
    Label29->setFont(bold);
    DateTimePicker1 = datePicker(tab, "DateTimePicker1");
    SpeedButton5 = speedButton(tab, "SpeedButton5", QStringLiteral("Auswerten"),
                               QStringLiteral("Bewertung des Tipps für die Ziehung des gewählten "
                                              "Datums"));
    grid->addWidget(Label29, 0, 0, 1, 3);
    grid->addWidget(DateTimePicker1, 1, 0);
    grid->addWidget(SpeedButton5, 1, 1);
    addDatabaseChartButtons(tab, grid, 2);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(6, 1);
    connect(SpeedButton5, &QToolButton::clicked, this, &TForm1::SpeedButton5Click);
    return tab;
}

double TForm1::pickerDate(const QDateEdit* picker) const
{
    return dayFromDate(picker->date());
}

void TForm1::setPickerDate(QDateEdit* picker, double day)
{
    // A date below the picker's minimum is refused; the picker keeps its date.
    const QDate d = dateFromDay(day);
    if (d.isValid() && d >= picker->minimumDate() && d <= picker->maximumDate()) {
        m_settingPickers = true;
        picker->setDate(d);
        m_settingPickers = false;
    }
}

void TForm1::syncPickersToState()
{
    m_state.picker1.setDate(pickerDate(DateTimePicker1));
    m_state.picker2.setDate(pickerDate(DateTimePicker2));
}

void TForm1::syncStateToPickers()
{
    setPickerDate(DateTimePicker1, m_state.picker1.date());
    setPickerDate(DateTimePicker2, m_state.picker2.date());
}

void TForm1::setStatusText(int panel, const QString& text)
{
    (panel == 0 ? StatusPanel0 : StatusPanel1)->setText(text);
}

QString TForm1::statusText(int panel) const
{
    return (panel == 0 ? StatusPanel0 : StatusPanel1)->text();
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_startedUp)
        FormShow();
}

void TForm1::FormShow()
{
    if (m_startedUp)
        return;
    m_startedUp = true;

    // Numbers and dates look the same whatever the user's locale: "dd.mm.yyyy", "hh:nn",
    // decimal comma, thousands dot.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    Groesse = height();
    m_state.dfb = today();
    m_state.Home = m_home.endsWith(QLatin1Char('/')) ? m_home : m_home + QLatin1Char('/');
    m_state.SoundName = QStringLiteral("yippee.wav");
    m_state.LaufMax = 100000;
    m_state.sortieren = false;
    m_state.Berechnunglaeuft = false;

    // Stored settings are restored here once the settings store exists; until then the
    // design values stand.
    m_form8 = new TForm8(this);
    setPickerDate(DateTimePicker2, kStatisticsStartDesignDate);
    m_state.sortieren = true;
    setPickerDate(DateTimePicker2,
                  resetRecentStatisticsStart(pickerDate(DateTimePicker2), today()));
    m_state.LaufMax = m_state.options.value(QStringLiteral("UpDown7")) * 1000;

    // Legacy conversion, or the shipped history on a very first start.
    m_state.ZahlenFile = drawfile::kFileName;
    const auto prepared = drawfile::prepare(m_state.Home);
    if (prepared.error)
        m_prompts->message(*prepared.error);

    m_state.random.randomize();
    m_state.shown.aktDatum = pickerDate(DateTimePicker2);
    setPickerDate(DateTimePicker1, today());

    // (The online update of the draw file will run here, before the newest draw is shown.)
    SpeedButton5Click();
    SpeedButton2Click();
    // (The batch import "D file" will run here, then close the window.)
}

void TForm1::showDrawLabels()
{
    Label29->setText(m_state.shown.label29);
    Label13->setText(m_state.shown.label13);
    Label35->setText(m_state.shown.label35);
}

void TForm1::SpeedButton6Click()
{
    syncPickersToState();
    if (auto error = m_state.shown.stepPrevious(m_state.drawPath(), m_state.picker2.date(),
                                                m_state.picker1)) {
        m_prompts->message(*error);
        return;
    }
    syncStateToPickers();
    showDrawLabels();
    Komplettcheck();
}

void TForm1::SpeedButton7Click()
{
    syncPickersToState();
    if (auto error =
            m_state.shown.stepNext(m_state.drawPath(), m_state.picker2.date(), m_state.picker1)) {
        m_prompts->message(*error);
        return;
    }
    syncStateToPickers();
    showDrawLabels();
    Komplettcheck();
}

void TForm1::SpeedButton5Click()
{
    syncPickersToState();
    const auto searched = vendrilo::SpeedButton5Click(m_state);
    const auto& result = searched.search;
    switch (result.outcome) {
    case ShownDraw::SearchOutcome::MissingFile:
        m_prompts->message(kNoDrawFileMessage);
        if (!result.error.isEmpty())
            m_prompts->message(result.error);
        return;
    case ShownDraw::SearchOutcome::Unreadable:
        m_prompts->message(result.error);
        return;
    case ShownDraw::SearchOutcome::Shown:
    case ShownDraw::SearchOutcome::EmptyFile:
        break;
    }
    syncStateToPickers();
    showDrawLabels();
    if (searched.evaluation)
        applyEvaluation(*searched.evaluation);
}

void TForm1::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TForm1::FormResize()
{
    // Only a change of height rescales the content; the layouts stretch the controls and the
    // font follows the height.
    if (Groesse <= 0 || height() == Groesse)
        return;
    m_fontScale *= static_cast<double>(height()) / Groesse;
    Groesse = height();
    if (m_baseFontPointSize > 0) {
        QFont f = PageControl1->font();
        f.setPointSizeF(m_baseFontPointSize * m_fontScale);
        PageControl1->setFont(f);
    }
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // Closing during a generation stops the run at its next pass.
    if (m_state.Berechnunglaeuft && BitBtn4->text() == m_state.messages.line(16))
        BitBtn4->setText(m_bitBtn4Caption);
    FormClose();
    event->accept();
}

void TForm1::FormClose()
{
    // Settings are written here once the settings store exists. The draw file is not touched.
}

} // namespace vendrilo::gui
