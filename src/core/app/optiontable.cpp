#include "core/app/optiontable.h"

#include <algorithm>

namespace vendrilo {

namespace {

OptionSpec check(const char* name, bool on, const char* caption, const char* page,
                 const char* hint = "", const char* line = "")
{
    const QString n = QString::fromLatin1(name);
    return {n,
            OptionSpec::Kind::Check,
            on ? 1 : 0,
            0,
            1,
            QStringLiteral("Chekcbox") + n.mid(8),
            QString::fromUtf8(caption),
            QString::fromUtf8(hint),
            QString::fromUtf8(page),
            {},
            {},
            QString::fromLatin1(line)};
}

OptionSpec upDown(const char* name, int position, int minimum, int maximum, const char* caption,
                  const char* page, const char* hint = "", const char* edit = "",
                  const char* suffix = "", const char* line = "")
{
    const QString n = QString::fromLatin1(name);
    return {n,
            OptionSpec::Kind::UpDown,
            position,
            minimum,
            maximum,
            n,
            QString::fromUtf8(caption),
            QString::fromUtf8(hint),
            QString::fromUtf8(page),
            QString::fromLatin1(edit),
            QString::fromUtf8(suffix),
            QString::fromLatin1(line)};
}

} // namespace

const std::vector<OptionSpec>& optionTable()
{
    // Pages list their controls in the order they stand on the page.
    static const char* const statistisch = "Statistisch";
    static const char* const schein = "Schein Optimierung";
    static const char* const mathematisch = "Mathematisch";
    static const char* const allgemein = "Allgemein";
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

    static const std::vector<OptionSpec> table = {
        // Diagramm tab: the draw-day filter of every statistics scan.
        check("CheckBox16", true, "Samstag Ziehungen", ""),
        check("CheckBox17", true, "Mittwoch Ziehungen", ""),

        // The number pool.
        check("CheckBox1", false, "Zahlen mit einer häufigen Paarebildung bevorzugen", statistisch),
        check("CheckBox11", false, "seltensten", statistisch, "", "CheckBox1"),
        check("CheckBox6", false, "Zahlen mit einer häufigen Dreiergruppenbildung bevorzugen",
              statistisch),
        check("CheckBox12", false, "seltensten", statistisch, "", "CheckBox6"),
        check("CheckBox7", false, "Zahlen mit einer häufigen Viergruppenbildung bevorzugen",
              statistisch),
        check("CheckBox13", false, "seltensten", statistisch, "", "CheckBox7"),
        check("CheckBox2", false, "Zahlen die besonders oft gezogen wurden bevorzugen",
              statistisch),
        upDown("UpDown12", 30, 5, 75, "", statistisch, percentHint, "Edit85", "%", "CheckBox2"),
        check("CheckBox14", true, "Zahlen die besonders selten gezogen wurden bevorzugen",
              statistisch),
        upDown("UpDown14", 20, 5, 75, "", statistisch, percentHint, "Edit87", "%", "CheckBox14"),
        check("CheckBox10", true, "Zahlen die am längsten überfällig sind", statistisch),
        upDown("UpDown13", 30, 5, 75, "", statistisch, percentHint, "Edit86", "%", "CheckBox10"),
        check("CheckBox19", false, "benachbarte Zahlen der letzten Ziehung bevorzugen",
              statistisch),

        // Sheet-level checks: overlap with the other rows, the last three draws, the database.
        check("CheckBox3", true, "maximale Übereinstimmungen mit anderen Tipps", schein),
        upDown("UpDown3", 3, 0, 5, "", schein, "", "Edit39", "", "CheckBox3"),
        check("CheckBox24", true, "minimale Übereinstimmungen mit anderen Tipps", schein),
        upDown("UpDown9", 0, 0, 5, "", schein, "", "Edit88", "", "CheckBox24"),
        check("CheckBox27", false,
              "Min/Max bezogen auf Verhältnis jedes Tipps auf jeden Tipp anwenden", schein),
        check("CheckBox4", true, "maximal zugelassene Anzahl von Zahlen der letzten Ziehung ",
              schein, lastDrawHint),
        upDown("UpDown4", 0, 0, 5, "", schein, "", "Edit40", "", "CheckBox4"),
        check("CheckBox5", true, "maximal zugelassene Anzahl von Zahlen der vorletzten Ziehung ",
              schein, lastDrawHint),
        upDown("UpDown5", 1, 0, 5, "", schein, "", "Edit41", "", "CheckBox5"),
        check("CheckBox23", true,
              "maximal zugelassene Anzahl von Zahlen der vorvorletzten Ziehung ", schein,
              lastDrawHint),
        upDown("UpDown11", 2, 0, 5, "", schein, "", "Edit84", "", "CheckBox23"),
        check("CheckBox28", true, "Tipp ergibt keine", schein, databaseHint),
        upDown("UpDown17", 3, 2, 6, "", schein, hitsHint, "Edit91", "Richtigen in den letzten",
               "CheckBox28"),
        upDown("UpDown18", 10, 4, 500, "", schein, drawsHint, "Edit92", "Ziehungen", "CheckBox28"),
        check("CheckBox34", true, "Tipp ergibt keine ", schein, databaseHint),
        upDown("UpDown20", 4, 2, 6, "", schein, hitsHint, "Edit94", "Richtigen in den letzten",
               "CheckBox34"),
        upDown("UpDown21", 100, 4, 500, "", schein, drawsHint, "Edit95", "Ziehungen", "CheckBox34"),
        check("CheckBox9", true, "Tipp enspricht noch keiner Ziehung der Datenbank nit ", schein,
              databaseHint),
        upDown("UpDown6", 5, 4, 6, "", schein,
               "Setzen Sie den Wert auf 5 oder 6 falls Sie die komplette Datenbank verwenden",
               "Edit42", "", "CheckBox9"),
        check("CheckBox29", false,
              "vermeiden der Zahlen 1-12 (Monat oft getippt durch Datums-Tipper) ", schein),
        check("CheckBox30", false,
              "Wertigkeit der Zahlen von 1-31 verringern (Datum)  -  seltener im Tipp enthalten",
              schein),

        // Row properties: cross sum, consecutive numbers, even, odd and prime counts.
        upDown("UpDown1", 50, 21, 279, "Quersummen von", mathematisch, "", "Edit37", "bis"),
        upDown("UpDown2", 250, 21, 279, "", mathematisch, "", "Edit38", "im Tipp zulassen",
               "UpDown1"),
        check("CheckBox8", false, "eine Paarbildung pro Tipp erzwingen", mathematisch),
        check("CheckBox18", true, "keine Dreier , Vierer... Paare", mathematisch),
        check("CheckBox25", false, "mindest Anzahl von geraden Zahlen in jedem Tipp", mathematisch),
        upDown("UpDown15", 2, 0, 6, "", mathematisch, "", "Edit89", "", "CheckBox25"),
        check("CheckBox26", false, "mindest Anzahl ungeraden Zahlen in jedem Tipp", mathematisch),
        upDown("UpDown16", 2, 0, 6, "", mathematisch, "", "Edit90", "", "CheckBox26"),
        check("CheckBox22", false, "mindest Anzahl von Primzahlen in jedem Tipp", mathematisch),
        upDown("UpDown10", 2, 0, 6, "", mathematisch, "", "Edit83", "", "CheckBox22"),

        // The run itself.
        upDown("UpDown7", 50, 1, 30000, "Max. Berechnungsläufe", allgemein, "", "Edit55",
               "Tausend"),
        check("CheckBox15", false, "für den Tipp nur bevorzugte Zahlen verwenden!", allgemein),
        check("CheckBox20", false, "Liste für Zahlenreihengenerierung anzeigen / bearbeiten",
              allgemein),

        // Beside the sheet: how many rows a run makes.
        upDown("UpDown8", 12, 1, 12, "", "", "", "Edit80"),
        // Never shown: the bonus number counts as one more hit in the past-win tests.
        check("CheckBox35", true, "Zusatzzahl in die Berechnung der Richtigen mit einbeziehen ",
              ""),
    };
    return table;
}

const OptionSpec* findOption(const QString& name)
{
    const auto& table = optionTable();
    auto it = std::find_if(table.begin(), table.end(),
                           [&](const OptionSpec& o) { return o.name == name; });
    return it == table.end() ? nullptr : &*it;
}

Options::Options()
{
    for (const auto& o : optionTable()) {
        m_values.push_back(o.defaultValue);
        m_minimums.push_back(o.minimum);
        m_maximums.push_back(o.maximum);
    }
}

int Options::indexOf(const QString& name)
{
    const auto& table = optionTable();
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].name == name)
            return static_cast<int>(i);
    return -1;
}

int Options::value(const QString& name) const
{
    const int i = indexOf(name);
    return i < 0 ? 0 : valueAt(i);
}

void Options::setAt(int index, int value)
{
    const auto i = static_cast<std::size_t>(index);
    // A range turned upside down by the coupling handlers lets the minimum win, as the control
    // does.
    m_values[i] = std::max(std::min(value, m_maximums[i]), m_minimums[i]);
}

bool Options::set(const QString& name, int value)
{
    const int i = indexOf(name);
    if (i < 0)
        return false;
    setAt(i, value);
    return true;
}

int Options::minimum(const QString& name) const
{
    const int i = indexOf(name);
    return i < 0 ? 0 : m_minimums[static_cast<std::size_t>(i)];
}

int Options::maximum(const QString& name) const
{
    const int i = indexOf(name);
    return i < 0 ? 0 : m_maximums[static_cast<std::size_t>(i)];
}

void Options::setMinimum(const QString& name, int minimum)
{
    const int i = indexOf(name);
    if (i >= 0)
        m_minimums[static_cast<std::size_t>(i)] = minimum;
}

void Options::setMaximum(const QString& name, int maximum)
{
    const int i = indexOf(name);
    if (i >= 0)
        m_maximums[static_cast<std::size_t>(i)] = maximum;
}

std::optional<QString> Options::assign(const QString& assignment)
{
    const auto eq = assignment.indexOf(QLatin1Char('='));
    if (eq <= 0)
        return QStringLiteral("--set expects NAME=VALUE, got \"%1\"").arg(assignment);
    const QString name = assignment.left(eq);
    const QString text = assignment.mid(eq + 1);
    const OptionSpec* o = findOption(name);
    if (!o)
        return QStringLiteral("--set: unknown option \"%1\"").arg(name);
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok)
        return QStringLiteral("--set: value of %1 is no integer: \"%2\"").arg(name, text);
    if (o->kind == OptionSpec::Kind::Check && v != 0 && v != 1)
        return QStringLiteral("--set: %1 takes 0 or 1, got \"%2\"").arg(name, text);
    set(name, v);
    return std::nullopt;
}

} // namespace vendrilo
