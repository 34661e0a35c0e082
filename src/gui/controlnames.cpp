// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controlnames.h"

#include <QStringList>

#include <iterator>

namespace vendrilo::gui {

namespace {

constexpr bool kHint = true; // the status bar shows the control's hint

// The numbering is the language files' and the settings store's: it carries no meaning here.
constexpr ControlName kControls[] = {
    {Control::MainWindow, "Form1"},
    {Control::MainStatusBar, "StatusBar1"},
    {Control::MainMenu, "MainMenu1"},
    {Control::MainTabs, "PageControl1"},
    {Control::SheetTab, "TabSheet1"},
    {Control::OptionsTab, "TabSheet6"},
    {Control::ChartTab, "TabSheet5"},
    {Control::DatabaseTab, "TabSheet4"},
    {Control::InternetTab, "TabSheet3"},
    {Control::OptionPages, "PageControl2"},

    {Control::DrawPanel, "Panel4"},
    {Control::PreviousDraw, "SpeedButton6", nullptr, kHint},
    {Control::NextDraw, "SpeedButton7", nullptr, kHint},
    {Control::SheetDrawLine, "Label35"},
    {Control::CrossSumLine, "Label13"},
    {Control::UpdateDraws, "SpeedButton10", nullptr, kHint},
    {Control::StopUpdate, "SpeedButton8", nullptr, kHint},
    {Control::TicketNumber, "Losnummer", nullptr, kHint},
    {Control::SheetActions, "Panel3"},
    {Control::StartGeneration, "BitBtn4", nullptr, kHint},
    {Control::SetLuckyNumber, "SpeedButton13", nullptr, kHint},
    {Control::SearchTipsInDatabase, "SpeedButton4", nullptr, kHint},
    {Control::SaveTips, "SpeedButton15", nullptr, kHint},
    {Control::LoadTips, "SpeedButton16", nullptr, kHint},
    {Control::ClearSheet, "SpeedButton11", nullptr, kHint},
    {Control::TipDistributionChart, "Button6", nullptr, kHint},
    {Control::Cart, "Warenkorb", nullptr, kHint},
    // A speed button, though the name says otherwise: the name is what the language files know.
    {Control::PrintTicket, "BitBtn7", nullptr, kHint},
    {Control::VendorBannerPanel, "Panel8"},
    {Control::VendorBanner, "Label43", nullptr, kHint},
    {Control::NameBannerPanel, "Panel9"},
    {Control::NameBanner, "Label44", nullptr, kHint},

    {Control::Chart, "Chart1"},
    {Control::ReserveSeries, "Series1"},
    {Control::BarSeries, "Series2"},
    {Control::StatisticsStart, "DateTimePicker2"},

    {Control::DatabaseDrawLine, "Label29"},
    {Control::ChosenDate, "DateTimePicker1"},
    {Control::EvaluateChosenDraw, "SpeedButton5", nullptr, kHint},
    {Control::UpdateDatabase, "BitBtn1", nullptr, kHint},
    {Control::EnterDraw, "BitBtn8", nullptr, kHint},
    {Control::DeleteDraw, "BitBtn6", nullptr, kHint},
    {Control::BackTestNote, "Label94"},
    {Control::BackTest, "BitBtn9", nullptr, kHint},
    {Control::SimilarityNote, "Label93"},
    {Control::SimilarityAnalysis, "BitBtn19"},

    {Control::RowPrice, "Edit81"},
    {Control::PlusSurcharge, "Edit82"},
    {Control::LinkPage, "CheckBox21"},
    {Control::SuperzahlChoice, "RadioGroup1"},
    {Control::ExtraGamesChoice, "RadioGroup2"},
    {Control::LottoPlLink, "Label52"},
    {Control::LottolandLink, "Label54"},
    {Control::DoviduveLink, "Label56"},
    {Control::VendorLink, "Label1"},
    {Control::LottoPlResultsLink, "Label2"},
    {Control::MultipaskoLink, "Label3"},
    {Control::LottoDeLink, "Label4"},

    {Control::DrawEntryDialog, "Form3"},
    {Control::DrawEntryDate, "DateTimePicker1"},
    {Control::DrawEntryBonusLabel, "Label1"},
    {Control::DrawEntryBonus, "UpDown7", "Edit7"},
    {Control::DrawEntryOk, "BitBtn2"},
    {Control::DrawEntryCancel, "BitBtn1"},

    {Control::PrintPositionsDialog, "Form8"},
    {Control::PrintSpiel77Choice, "RadioGroup3"},
    {Control::PrintSuper6Choice, "RadioGroup4"},

    {Control::WeightingListDialog, "Form6"},
    {Control::WeightingListStatusBar, "StatusBar1"},
    {Control::WeightingListTimer, "Timer1"},
    {Control::SaveWeightingList, "SpeedButton1"},
    {Control::LoadWeightingList, "SpeedButton2"},
    {Control::WeightingListOk, "BitBtn1"},
    {Control::WeightingListCancel, "BitBtn2"},
    {Control::WeightingListRecompute, "BitBtn3"},
    {Control::WeightingListRandom, "BitBtn4"},
};

constexpr bool inIdOrder()
{
    for (std::size_t i = 0; i < std::size(kControls); ++i)
        if (static_cast<std::size_t>(kControls[i].id) != i)
            return false;
    return std::size(kControls) == static_cast<std::size_t>(Control::WeightingListRandom) + 1;
}
static_assert(inIdOrder(), "the control table lists every id once, in the order of the ids");

} // namespace

const ControlName& controlEntry(Control id)
{
    return kControls[static_cast<std::size_t>(id)];
}

QString controlName(Control id)
{
    return QString::fromLatin1(controlEntry(id).objectName);
}

QStringList controlsWithStatusBarHint()
{
    QStringList names;
    for (const ControlName& c : kControls)
        if (c.hintInStatusBar)
            names << QString::fromLatin1(c.editName ? c.editName : c.objectName);
    return names;
}

QString weightBoxName(int number)
{
    return QStringLiteral("CheckBox%1").arg(number);
}

QString drawEntryNumberName(int index)
{
    return QStringLiteral("UpDown%1").arg(index);
}

QString drawEntryNumberEditName(int index)
{
    return QStringLiteral("Edit%1").arg(index);
}

} // namespace vendrilo::gui
