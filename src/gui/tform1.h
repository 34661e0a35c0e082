#pragma once

#include "core/app/programstate.h"
#include "gui/guiprompts.h"

#include <QMainWindow>

#include <memory>
#include <optional>

class QAction;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSoundEffect;
class QSpinBox;
class QTabWidget;
class QToolButton;
class QVBoxLayout;
class QWidget;

namespace vendrilo {
struct SheetEvaluation;
namespace charts {
enum class ChartKind;
}
} // namespace vendrilo

class QAbstractButton;
class QGridLayout;

namespace vendrilo::gui {

class ChartView;
class ClickableLabel;
class TForm8;

// The main window. It owns the program state (through ProgramState) and all controls; each
// user action is one handler named after its control and event.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // `prompts` answers the questions operations ask; the window's own dialogs by default.
    // `home` is the program folder; the executable's folder by default.
    explicit TForm1(QWidget* parent = nullptr, std::unique_ptr<Prompts> prompts = {},
                    const QString& home = {});
    ~TForm1() override;

    ProgramState& state() { return m_state; }
    Prompts& prompts() { return *m_prompts; }

    // The start-up sequence; runs once, when the window is first shown. Public so that tests
    // and the batch mode can run it on a window that is never shown.
    void FormShow();
    bool startedUp() const { return m_startedUp; }

    // Previous / next draw.
    void SpeedButton6Click();
    void SpeedButton7Click();
    // Shows and scores the draw for the date in DateTimePicker1.
    void SpeedButton5Click();

    // The tip sheet.
    QLineEdit* sheetField(int row, int position) const;
    // Sorts, scores and colours the sheet against the shown draw; returns the highest hits.
    int Komplettcheck();
    // Toggles the lock of a row (click on its row label).
    void Label30Click(int row);
    // Clears the unlocked rows; with the question first.
    void SpeedButton11Click();
    void Loeschendertipp();
    // Searches the draw history for the sheet's rows.
    void SpeedButton4Click();
    // Saves / loads a tip file through the file dialogs.
    void SpeedButton15Click();
    void SpeedButton16Click();
    // Loads a tip file without a dialog.
    void Textladen(const QString& Dateiname);

    // Starts a generation run, or asks a running one to stop (the same button does both).
    void Label28Click();
    // Asks for a lucky number and makes it the random seed.
    void SpeedButton13Click();
    bool generationRunning() const { return m_state.Berechnunglaeuft; }

    // Draws a chart on Chart1 from the draw file, the period and the sheet.
    void drawChart(charts::ChartKind kind, bool showDiagramFirst = false);
    // The number distribution.
    void SpeedButton2Click();
    ChartView* chart() const { return Chart1; }

    // Picker values as day numbers.
    double pickerDate(const QDateEdit* picker) const;
    void setPickerDate(QDateEdit* picker, double day);

    // Panels of the status bar: 0 for network progress, 1 for hints and notices.
    void setStatusText(int panel, const QString& text);
    QString statusText(int panel) const;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    void buildTabs();
    QWidget* buildLottotippTab();
    QWidget* buildDatenbankTab();
    QWidget* buildDiagrammTab();
    void showDrawLabels();
    void buildSheet(QWidget* tab, QVBoxLayout* layout);
    // Writes the sheet model into the edit fields and labels.
    void refreshSheet();
    void applyEvaluation(const SheetEvaluation& evaluation);
    void playHitSound();
    QWidget* buildBerechnungTab();
    QAbstractButton* chartButton(QWidget* parent, const char* name, const QString& text,
                                 const QString& hint, charts::ChartKind kind,
                                 bool showDiagramFirst = false, bool push = false);
    ClickableLabel* chartLabel(QWidget* parent, const char* name, const QString& text,
                               charts::ChartKind kind);
    void addDatabaseChartButtons(QWidget* tab, QGridLayout* grid, int row);
    void addOptionChartControls(const QString& page, QWidget* pageWidget, QVBoxLayout* lines);
    // Writes the option values and ranges into their controls.
    void refreshOptions();
    void Edit1Change(int row, int position);
    void Edit1Exit();
    void FormResize();
    void FormClose();
    // Everything that reads pickers in core reads them through the state.
    void syncPickersToState();
    void syncStateToPickers();

    ProgramState m_state;
    std::unique_ptr<Prompts> m_prompts;
    QString m_home;
    bool m_startedUp = false;
    int Groesse = 0;          // height the content was last scaled for
    double m_fontScale = 1.0; // content font size relative to the design size
    qreal m_baseFontPointSize = 0;

    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheet6 = nullptr;
    QWidget* TabSheet5 = nullptr;
    QWidget* TabSheet4 = nullptr;
    QWidget* TabSheet3 = nullptr;
    QLabel* StatusPanel0 = nullptr;
    QLabel* StatusPanel1 = nullptr;

    QWidget* Panel4 = nullptr;
    QToolButton* SpeedButton6 = nullptr;
    QToolButton* SpeedButton7 = nullptr;
    QToolButton* SpeedButton5 = nullptr;
    QLabel* Label35 = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* Label29 = nullptr;
    QDateEdit* DateTimePicker1 = nullptr;
    QDateEdit* DateTimePicker2 = nullptr;
    ChartView* Chart1 = nullptr;
    std::optional<charts::ChartKind> m_lastChart; // redrawn when the period start changes
    bool m_settingPickers = false;                // the program sets a picker, not the user

    TForm8* m_form8 = nullptr;

    // Tip sheet controls, rows and positions from 0.
    QLineEdit* m_fields[12][6] = {};
    ClickableLabel* m_rowLabels[12] = {};
    QLabel* m_hitsLabels[12] = {};
    QLabel* m_crossSumLabels[12] = {};
    QSpinBox* UpDown8 = nullptr; // with Edit80: the number of rows a generation fills
    QToolButton* SpeedButton11 = nullptr;
    QToolButton* SpeedButton4 = nullptr;
    QToolButton* SpeedButton15 = nullptr;
    QToolButton* SpeedButton16 = nullptr;
    QToolButton* SpeedButton13 = nullptr;
    QPushButton* BitBtn4 = nullptr;
    QSoundEffect* m_sound = nullptr;
    bool m_writingSheet = false; // the program is writing the fields, not the user
    bool m_writingOptions = false;
    QString m_bitBtn4Caption; // the start button's caption while it reads "Stoppen"
    QTabWidget* PageControl2 = nullptr;
};

// A speed button: a flat tool button with its hint shown on hover and in the status bar.
QToolButton* speedButton(QWidget* parent, const char* name, const QString& text,
                         const QString& hint);
// A date picker as the window uses them: "dd.mm.yyyy", no date before 19.11.1994.
QDateEdit* datePicker(QWidget* parent, const char* name);

} // namespace vendrilo::gui
