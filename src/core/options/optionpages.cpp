// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/options/optionpages.h"

namespace vendrilo {

const std::vector<OptionPageInfo>& optionPages()
{
    static const std::vector<OptionPageInfo> pages = {
        {OptionPage::Statistics, QStringLiteral("StatisticsTab"), QStringLiteral("Statistisch")},
        {OptionPage::SheetOptimisation, QStringLiteral("SheetOptimisationTab"),
         QStringLiteral("Schein Optimierung")},
        {OptionPage::Mathematics, QStringLiteral("MathematicsTab"), QStringLiteral("Mathematisch")},
        {OptionPage::General, QStringLiteral("GeneralTab"), QStringLiteral("Allgemein")},
    };
    return pages;
}

namespace {

const std::vector<OptionPageLabel>& allPageLabels()
{
    static const std::vector<OptionPageLabel> labels = {
        {QStringLiteral("OptionNote1"), OptionPage::Statistics,
         QStringLiteral("Für die Tippberechnung werden die jeweils ersten x% verwendet. "
                        "(z.B. bis 30% vom Maximum)")},
        {QStringLiteral("OptionNote2"), OptionPage::Mathematics,
         QStringLiteral("Durch das Begrenzen der Quersummer können Sie Tipps wie 1-2-3-4-5-6 "
                        "oder 39-41-43-46-47-49")},
        {QStringLiteral("OptionNote3"), OptionPage::Mathematics,
         QStringLiteral("Mochten Sie auf höhere Quoten Tippen, wählen Sie Quersummer größer 130. "
                        "(Datumstipper)")},
        {QStringLiteral("Label88"), OptionPage::Mathematics,
         QStringLiteral("Die Quersummerverteilung der vergangenen Ziehungen sehen Sie im "
                        "Diagramm unter QS  "),
         true},
        {QStringLiteral("OptionNote4"), OptionPage::General,
         QStringLiteral("Sie können versuchen die Berechnungsläufe zu erhöhen, falls mit Ihren "
                        "Einstellungen nicht alle Reihen berechnet werden konnten. ")},
    };
    return labels;
}

} // namespace

std::vector<OptionPageLabel> optionPageLabels(OptionPage page)
{
    std::vector<OptionPageLabel> result;
    for (const auto& label : allPageLabels())
        if (label.page == page)
            result.push_back(label);
    return result;
}

std::vector<const OptionSpec*> optionsOnPage(OptionPage page)
{
    std::vector<const OptionSpec*> result;
    for (const auto& o : optionTable())
        if (o.page == page)
            result.push_back(&o);
    return result;
}

void coupleEvenMinimum(Options& options)
{
    options.setMaximum(Option::EvenMinimum, 6 - options.value(Option::OddMinimum));
}

void coupleOddMinimum(Options& options)
{
    options.setMaximum(Option::OddMinimum, 6 - options.value(Option::EvenMinimum));
}

void coupleOverlapOnMaximumPressed(Options& options)
{
    options.setMaximum(Option::MinOverlap, options.value(Option::MaxOverlap));
    options.setMinimum(Option::MaxOverlap, options.value(Option::MinOverlap));
}

void coupleOverlapOnMinimumReleased(Options& options)
{
    options.setMinimum(Option::MaxOverlap, options.value(Option::MinOverlap));
}

OptionCoupling optionCoupling(Option option)
{
    switch (option) {
    case Option::EvenMinimum:
        return {coupleEvenMinimum, coupleEvenMinimum};
    case Option::OddMinimum:
        return {coupleOddMinimum, coupleOddMinimum};
    case Option::MaxOverlap:
        return {coupleOverlapOnMaximumPressed, nullptr};
    case Option::MinOverlap:
        return {nullptr, coupleOverlapOnMinimumReleased};
    default:
        return {};
    }
}

} // namespace vendrilo
