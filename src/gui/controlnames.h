// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace vendrilo::gui {

// The window's controls that code names, other than the option controls (optionTable()), the
// tip sheet's rows (kSheetRows) and the chart buttons (chartButtonsOn()). Code names a control by
// this id; its objectName, which the language files and the settings store find it by, is data
// in the table.
enum class Control : int {
    // The main window and its frame.
    MainWindow,
    MainStatusBar,
    MainMenu,
    MainTabs,
    SheetTab,
    OptionsTab,
    ChartTab,
    DatabaseTab,
    InternetTab,
    OptionPages, // the inner tabs of the "Berechnung" tab

    // The "Lottotipp" tab: the shown draw above the sheet ...
    DrawPanel,
    PreviousDraw,
    NextDraw,
    SheetDrawLine,
    CrossSumLine,
    UpdateDraws,
    StopUpdate,
    TicketNumber,
    // ... the column of actions beside it ...
    SheetActions,
    StartGeneration,
    SetLuckyNumber,
    SearchTipsInDatabase,
    SaveTips,
    LoadTips,
    ClearSheet,
    TipDistributionChart,
    Cart,
    PrintTicket,
    // ... and the banner below it.
    VendorBannerPanel,
    VendorBanner,
    NameBannerPanel,
    NameBanner,

    // The "Diagramm" tab.
    Chart,
    ReserveSeries, // a second bar series no chart fills
    BarSeries,     // the bars of every chart
    StatisticsStart,

    // The "Datenbank" tab.
    DatabaseDrawLine,
    ChosenDate,
    EvaluateChosenDraw,
    UpdateDatabase,
    EnterDraw,
    DeleteDraw,
    BackTestNote,
    BackTest,
    SimilarityNote,
    SimilarityAnalysis,

    // The "Internet-Optionen" tab.
    RowPrice,
    PlusSurcharge,
    LinkPage,
    SuperzahlChoice,  // where the ticket's Superzahl comes from
    ExtraGamesChoice, // Super 6 and Spiel 77 on the ticket
    LottoPlLink,
    LottolandLink,
    DoviduveLink,
    VendorLink,
    LottoPlResultsLink,
    MultipaskoLink,
    LottoDeLink,

    // The dialog that takes a draw typed in by hand (its six numbers: drawEntryNumberName()).
    DrawEntryDialog,
    DrawEntryDate,
    DrawEntryBonusLabel,
    DrawEntryBonus,
    DrawEntryOk,
    DrawEntryCancel,

    // The dialog of the slip's print-out.
    PrintPositionsDialog,
    PrintSpiel77Choice,
    PrintSuper6Choice,

    // The weighting list (its number boxes: weightBoxName()).
    WeightingListDialog,
    WeightingListStatusBar,
    WeightingListTimer,
    SaveWeightingList,
    LoadWeightingList,
    WeightingListOk,
    WeightingListCancel,
    WeightingListRecompute,
    WeightingListRandom,
};

struct ControlName {
    Control id;
    const char* objectName;
    // For a field driven by arrows, the field's own name, which the language files use.
    const char* editName = nullptr;
    // The status bar shows the control's hint while the mouse is over it.
    bool hintInStatusBar = false;
};

// The table, in the order of the ids.
const ControlName& controlEntry(Control id);
QString controlName(Control id);
// The controls of the main window whose hint the status bar shows, by objectName.
QStringList controlsWithStatusBarHint();

// The weighting list's box of number k (1..49) and the draw dialog's field of number i (1..6):
// both families are named by their number.
QString weightBoxName(int number);
QString drawEntryNumberName(int index);
QString drawEntryNumberEditName(int index);

} // namespace vendrilo::gui
