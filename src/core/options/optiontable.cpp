// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/options/optiontable.h"

#include <algorithm>

namespace vendrilo {

namespace {

OptionSpec check(Option id, const char* name, bool on, const char* caption, OptionPage page,
                 const char* hint = "", std::optional<Option> sameLineAs = {})
{
    const QString n = QString::fromLatin1(name);
    // The settings store spells these "Chekcbox": stored files carry that name, so it stays.
    return {id,
            n,
            OptionSpec::Kind::Check,
            on ? 1 : 0,
            0,
            1,
            QStringLiteral("Chekcbox") + n.mid(8),
            QString::fromUtf8(caption),
            QString::fromUtf8(hint),
            page,
            {},
            {},
            sameLineAs};
}

OptionSpec upDown(Option id, const char* name, int position, int minimum, int maximum,
                  const char* caption, OptionPage page, const char* hint = "",
                  const char* edit = "", const char* suffix = "",
                  std::optional<Option> sameLineAs = {})
{
    const QString n = QString::fromLatin1(name);
    return {id,
            n,
            OptionSpec::Kind::UpDown,
            position,
            minimum,
            maximum,
            n,
            QString::fromUtf8(caption),
            QString::fromUtf8(hint),
            page,
            QString::fromLatin1(edit),
            QString::fromUtf8(suffix),
            sameLineAs};
}

// The control shows its hint in the status bar, too.
OptionSpec withStatusBarHint(OptionSpec o)
{
    o.hintInStatusBar = true;
    return o;
}

} // namespace

const std::vector<OptionSpec>& optionTable()
{
    static const char* const percentHint =
        "Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen";
    static const char* const lastDrawHint = "Übereinstimmung mit Zahlen aus vorhergehender Ziehung";
    static const char* const databaseHint =
        "Tipp vor noch keinen Xer aus der Datenbank entsprechen, "
        "beginnen mit dem Datum  aus deer Diagrammübersicht";
    static const char* const hitsHint =
        "Setzen Sie den Wert auf 4 oder 5 falls Sie die Ziehungszahl sehr groß wählen";
    static const char* const drawsHint =
        "Hier können Sie nochmal  ab ev. 3 oder 4 der letzten Ziehungen ausschließen";

    // Pages list their controls in the order they stand on the page; the ids follow that order.
    static const std::vector<OptionSpec> table = {
        // Diagramm tab: the draw-day filter of every statistics scan.
        withStatusBarHint(check(Option::WeekendDraws, "CheckBox16", true, "Wochenend-Ziehungen",
                                OptionPage::None)),
        withStatusBarHint(check(Option::OtherDayDraws, "CheckBox17", true,
                                "Ziehungen unter der Woche", OptionPage::None)),

        // The number pool.
        withStatusBarHint(check(Option::FrequentPairs, "CheckBox1", false,
                                "Zahlen mit einer häufigen Paarebildung bevorzugen",
                                OptionPage::Statistics)),
        withStatusBarHint(check(Option::RarePairs, "CheckBox11", false, "seltensten",
                                OptionPage::Statistics, "", Option::FrequentPairs)),
        withStatusBarHint(check(Option::FrequentTriples, "CheckBox6", false,
                                "Zahlen mit einer häufigen Dreiergruppenbildung bevorzugen",
                                OptionPage::Statistics)),
        withStatusBarHint(check(Option::RareTriples, "CheckBox12", false, "seltensten",
                                OptionPage::Statistics, "", Option::FrequentTriples)),
        withStatusBarHint(check(Option::FrequentQuads, "CheckBox7", false,
                                "Zahlen mit einer häufigen Viergruppenbildung bevorzugen",
                                OptionPage::Statistics)),
        withStatusBarHint(check(Option::RareQuads, "CheckBox13", false, "seltensten",
                                OptionPage::Statistics, "", Option::FrequentQuads)),
        withStatusBarHint(check(Option::FrequentNumbers, "CheckBox2", false,
                                "Zahlen die besonders oft gezogen wurden bevorzugen",
                                OptionPage::Statistics)),
        withStatusBarHint(upDown(Option::FrequentNumbersPercent, "UpDown12", 30, 5, 75, "",
                                 OptionPage::Statistics, percentHint, "Edit85", "%",
                                 Option::FrequentNumbers)),
        withStatusBarHint(check(Option::RareNumbers, "CheckBox14", true,
                                "Zahlen die besonders selten gezogen wurden bevorzugen",
                                OptionPage::Statistics)),
        withStatusBarHint(upDown(Option::RareNumbersPercent, "UpDown14", 20, 5, 75, "",
                                 OptionPage::Statistics, percentHint, "Edit87", "%",
                                 Option::RareNumbers)),
        withStatusBarHint(check(Option::OverdueNumbers, "CheckBox10", true,
                                "Zahlen die am längsten überfällig sind", OptionPage::Statistics)),
        withStatusBarHint(upDown(Option::OverdueNumbersPercent, "UpDown13", 30, 5, 75, "",
                                 OptionPage::Statistics, percentHint, "Edit86", "%",
                                 Option::OverdueNumbers)),
        check(Option::NeighboursOfLastDraw, "CheckBox19", false,
              "benachbarte Zahlen der letzten Ziehung bevorzugen", OptionPage::Statistics),

        // Sheet-level checks: overlap with the other rows, the last three draws, the database.
        withStatusBarHint(check(Option::LimitMaxOverlap, "CheckBox3", true,
                                "maximale Übereinstimmungen mit anderen Tipps",
                                OptionPage::SheetOptimisation)),
        upDown(Option::MaxOverlap, "UpDown3", 3, 0, 5, "", OptionPage::SheetOptimisation, "",
               "Edit39", "", Option::LimitMaxOverlap),
        withStatusBarHint(check(Option::LimitMinOverlap, "CheckBox24", true,
                                "minimale Übereinstimmungen mit anderen Tipps",
                                OptionPage::SheetOptimisation)),
        upDown(Option::MinOverlap, "UpDown9", 0, 0, 5, "", OptionPage::SheetOptimisation, "",
               "Edit88", "", Option::LimitMinOverlap),
        withStatusBarHint(
            check(Option::OverlapPerRow, "CheckBox27", false,
                  "Min/Max bezogen auf Verhältnis jedes Tipps auf jeden Tipp anwenden",
                  OptionPage::SheetOptimisation)),
        withStatusBarHint(check(Option::LimitLastDraw, "CheckBox4", true,
                                "maximal zugelassene Anzahl von Zahlen der letzten Ziehung ",
                                OptionPage::SheetOptimisation, lastDrawHint)),
        withStatusBarHint(upDown(Option::MaxFromLastDraw, "UpDown4", 0, 0, 5, "",
                                 OptionPage::SheetOptimisation, "", "Edit40", "",
                                 Option::LimitLastDraw)),
        withStatusBarHint(check(Option::LimitSecondLastDraw, "CheckBox5", true,
                                "maximal zugelassene Anzahl von Zahlen der vorletzten Ziehung ",
                                OptionPage::SheetOptimisation, lastDrawHint)),
        withStatusBarHint(upDown(Option::MaxFromSecondLastDraw, "UpDown5", 1, 0, 5, "",
                                 OptionPage::SheetOptimisation, "", "Edit41", "",
                                 Option::LimitSecondLastDraw)),
        withStatusBarHint(check(Option::LimitThirdLastDraw, "CheckBox23", true,
                                "maximal zugelassene Anzahl von Zahlen der vorvorletzten Ziehung ",
                                OptionPage::SheetOptimisation, lastDrawHint)),
        withStatusBarHint(upDown(Option::MaxFromThirdLastDraw, "UpDown11", 2, 0, 5, "",
                                 OptionPage::SheetOptimisation, "", "Edit84", "",
                                 Option::LimitThirdLastDraw)),
        withStatusBarHint(check(Option::DatabaseChecks, "CheckBox28", true, "Tipp ergibt keine",
                                OptionPage::SheetOptimisation, databaseHint)),
        withStatusBarHint(upDown(Option::RecentHits, "UpDown17", 3, 2, 6, "",
                                 OptionPage::SheetOptimisation, hitsHint, "Edit91",
                                 "Richtigen in den letzten", Option::DatabaseChecks)),
        withStatusBarHint(upDown(Option::RecentDraws, "UpDown18", 10, 4, 500, "",
                                 OptionPage::SheetOptimisation, drawsHint, "Edit92", "Ziehungen",
                                 Option::DatabaseChecks)),
        withStatusBarHint(check(Option::OlderHitsCheck, "CheckBox34", true, "Tipp ergibt keine ",
                                OptionPage::SheetOptimisation, databaseHint)),
        withStatusBarHint(upDown(Option::OlderHits, "UpDown20", 4, 2, 6, "",
                                 OptionPage::SheetOptimisation, hitsHint, "Edit94",
                                 "Richtigen in den letzten", Option::OlderHitsCheck)),
        withStatusBarHint(upDown(Option::OlderDraws, "UpDown21", 100, 4, 500, "",
                                 OptionPage::SheetOptimisation, drawsHint, "Edit95", "Ziehungen",
                                 Option::OlderHitsCheck)),
        withStatusBarHint(check(Option::WholePeriodCheck, "CheckBox9", true,
                                "Tipp enspricht noch keiner Ziehung der Datenbank nit ",
                                OptionPage::SheetOptimisation, databaseHint)),
        withStatusBarHint(
            upDown(Option::WholePeriodHits, "UpDown6", 5, 4, 6, "", OptionPage::SheetOptimisation,
                   "Setzen Sie den Wert auf 5 oder 6 falls Sie die komplette Datenbank verwenden",
                   "Edit42", "", Option::WholePeriodCheck)),
        check(Option::AvoidMonthNumbers, "CheckBox29", false,
              "vermeiden der Zahlen 1-12 (Monat oft getippt durch Datums-Tipper) ",
              OptionPage::SheetOptimisation),
        check(Option::WeakenDayNumbers, "CheckBox30", false,
              "Wertigkeit der Zahlen von 1-31 verringern (Datum)  -  seltener im Tipp enthalten",
              OptionPage::SheetOptimisation),

        // Row properties: cross sum, consecutive numbers, even, odd and prime counts.
        upDown(Option::CrossSumMinimum, "UpDown1", 50, 21, 279, "Quersummen von",
               OptionPage::Mathematics, "", "Edit37", "bis"),
        upDown(Option::CrossSumMaximum, "UpDown2", 250, 21, 279, "", OptionPage::Mathematics, "",
               "Edit38", "im Tipp zulassen", Option::CrossSumMinimum),
        withStatusBarHint(check(Option::ForcePair, "CheckBox8", false,
                                "eine Paarbildung pro Tipp erzwingen", OptionPage::Mathematics)),
        withStatusBarHint(check(Option::NoRunOfThree, "CheckBox18", true,
                                "keine Dreier , Vierer... Paare", OptionPage::Mathematics)),
        check(Option::EvenMinimumCheck, "CheckBox25", false,
              "mindest Anzahl von geraden Zahlen in jedem Tipp", OptionPage::Mathematics),
        upDown(Option::EvenMinimum, "UpDown15", 2, 0, 6, "", OptionPage::Mathematics, "", "Edit89",
               "", Option::EvenMinimumCheck),
        check(Option::OddMinimumCheck, "CheckBox26", false,
              "mindest Anzahl ungeraden Zahlen in jedem Tipp", OptionPage::Mathematics),
        upDown(Option::OddMinimum, "UpDown16", 2, 0, 6, "", OptionPage::Mathematics, "", "Edit90",
               "", Option::OddMinimumCheck),
        check(Option::PrimeMinimumCheck, "CheckBox22", false,
              "mindest Anzahl von Primzahlen in jedem Tipp", OptionPage::Mathematics),
        upDown(Option::PrimeMinimum, "UpDown10", 2, 0, 6, "", OptionPage::Mathematics, "", "Edit83",
               "", Option::PrimeMinimumCheck),

        // The run itself.
        upDown(Option::RunBudgetThousands, "UpDown7", 50, 1, 30000, "Max. Berechnungsläufe",
               OptionPage::General, "", "Edit55", "Tausend"),
        check(Option::OnlyPreferredNumbers, "CheckBox15", false,
              "für den Tipp nur bevorzugte Zahlen verwenden!", OptionPage::General),
        check(Option::ShowWeightingList, "CheckBox20", false,
              "Liste für Zahlenreihengenerierung anzeigen / bearbeiten", OptionPage::General),

        // Beside the sheet: how many rows a run makes.
        upDown(Option::RowCount, "UpDown8", 12, 1, 12, "", OptionPage::None, "", "Edit80"),
        // Never shown: the bonus number counts as one more hit in the past-win tests.
        check(Option::BonusCountsAsHit, "CheckBox35", true,
              "Zusatzzahl in die Berechnung der Richtigen mit einbeziehen ", OptionPage::None),
        // "Datenbank" tab: the back-test keeps a sheet until it scores a 3.
        check(Option::RecomputeOnlyAfterThree, "CheckBox31", false,
              "Neuberechnung  nur wenn ein 3er erzielt wurde", OptionPage::None),
    };
    return table;
}

const OptionSpec& optionSpec(Option option)
{
    return optionTable()[static_cast<std::size_t>(option)];
}

std::optional<Option> optionByName(const QString& controlName)
{
    for (const OptionSpec& o : optionTable())
        if (o.name == controlName)
            return o.id;
    return std::nullopt;
}

Options::Options()
{
    for (const auto& o : optionTable()) {
        m_values.push_back(o.defaultValue);
        m_minimums.push_back(o.minimum);
        m_maximums.push_back(o.maximum);
    }
}

void Options::set(Option option, int value)
{
    const std::size_t i = index(option);
    // A range turned upside down by the coupling lets the minimum win, as the control does.
    m_values[i] = std::max(std::min(value, m_maximums[i]), m_minimums[i]);
}

Status Options::assign(const QString& assignment)
{
    const auto eq = assignment.indexOf(QLatin1Char('='));
    if (eq <= 0)
        return Error{QStringLiteral("--set expects NAME=VALUE, got \"%1\"").arg(assignment),
                     ErrorKind::BadInput};
    const QString name = assignment.left(eq);
    const QString text = assignment.mid(eq + 1);
    const std::optional<Option> option = optionByName(name);
    if (!option)
        return Error{QStringLiteral("--set: unknown option \"%1\"").arg(name), ErrorKind::BadInput};
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok)
        return Error{QStringLiteral("--set: value of %1 is no integer: \"%2\"").arg(name, text),
                     ErrorKind::BadInput};
    if (optionSpec(*option).kind == OptionSpec::Kind::Check && v != 0 && v != 1)
        return Error{QStringLiteral("--set: %1 takes 0 or 1, got \"%2\"").arg(name, text),
                     ErrorKind::BadInput};
    set(*option, v);
    return {};
}

} // namespace vendrilo
