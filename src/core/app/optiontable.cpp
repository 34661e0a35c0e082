#include "core/app/optiontable.h"

#include <algorithm>

namespace vendrilo {

namespace {

OptionSpec check(const char* name, bool on, const char* caption, const char* page,
                 const char* hint = "")
{
    const QString n = QString::fromLatin1(name);
    return {n, OptionSpec::Kind::Check, on ? 1 : 0, 0, 1,
            QStringLiteral("Chekcbox") + n.mid(8), QString::fromUtf8(caption),
            QString::fromUtf8(hint), QString::fromUtf8(page)};
}

OptionSpec upDown(const char* name, int position, int minimum, int maximum, const char* caption,
                  const char* page, const char* hint = "")
{
    const QString n = QString::fromLatin1(name);
    return {n, OptionSpec::Kind::UpDown, position, minimum, maximum, n, QString::fromUtf8(caption),
            QString::fromUtf8(hint), QString::fromUtf8(page)};
}

} // namespace

const std::vector<OptionSpec>& optionTable()
{
    static const std::vector<OptionSpec> table = {
        check("CheckBox16", true, "Samstag Ziehungen", ""),
        check("CheckBox17", true, "Mittwoch Ziehungen", ""),
        upDown("UpDown7", 50, 1, 30000, "Max. Berechnungsläufe", "Allgemein"),
        upDown("UpDown8", 12, 1, 12, "", ""),
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
    for (const auto& o : optionTable())
        m_values[o.name] = o.defaultValue;
}

int Options::value(const QString& name) const
{
    auto it = m_values.find(name);
    return it == m_values.end() ? 0 : it->second;
}

bool Options::set(const QString& name, int value)
{
    const OptionSpec* o = findOption(name);
    if (!o)
        return false;
    m_values[name] = std::clamp(value, o->minimum, o->maximum);
    return true;
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
