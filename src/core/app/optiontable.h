#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace vendrilo {

// One declarative table of the main window's option controls. It drives the defaults, the
// clamping, the settings store and the command line's --set NAME=VALUE; the core reads
// options only from an Options value built from it, never from widgets.
struct OptionSpec {
    enum class Kind { Check, UpDown };

    QString name; // control name, e.g. "CheckBox14", "UpDown12"
    Kind kind;
    int defaultValue; // 0/1 for a check box, the position for an up-down
    int minimum;
    int maximum;
    QString settingsName; // value name in the settings store
    QString caption;      // caption text (check box) or the label before the up-down's field
    QString hint;         // hover hint (of the up-down's edit field for an up-down)
    QString page;        // inner tab it sits on ("Statistisch", "Allgemein", ...); empty: elsewhere
    QString edit = {};   // the edit field an up-down drives ("Edit85"); empty for a check box
    QString suffix = {}; // text after the up-down's field ("Tausend", "Ziehungen")
    // The control whose line this one continues on its page (UpDown17 sits on CheckBox28's
    // line); empty: the control starts a line of its own. Lines keep the table's order.
    QString line = {};
};

const std::vector<OptionSpec>& optionTable();
const OptionSpec* findOption(const QString& name);

class Options {
public:
    Options(); // design defaults

    int value(const QString& name) const;
    bool checked(const QString& name) const { return value(name) != 0; }
    // Sets a value, clamped into the control's current range; false for an unknown name.
    bool set(const QString& name, int value);
    // "NAME=VALUE" from the command line; an error text when the name is unknown, the value
    // no integer, or a check box given anything but 0 or 1.
    std::optional<QString> assign(const QString& assignment);

    // Access by position in optionTable(), for loops that read options on every pass.
    static int indexOf(const QString& name); // -1 for an unknown name
    int valueAt(int index) const { return m_values[static_cast<std::size_t>(index)]; }
    bool checkedAt(int index) const { return valueAt(index) != 0; }
    void setAt(int index, int value);

    // The current range of an up-down. The coupling handlers move it; a new range leaves the
    // position alone until it next changes, as the up-down control does.
    int minimum(const QString& name) const;
    int maximum(const QString& name) const;
    void setMinimum(const QString& name, int minimum);
    void setMaximum(const QString& name, int maximum);

    bool operator==(const Options&) const = default;

private:
    std::vector<int> m_values;
    std::vector<int> m_minimums;
    std::vector<int> m_maximums;
};

} // namespace vendrilo
