#pragma once

#include <QString>

#include <map>
#include <optional>
#include <vector>

namespace vendrilo {

// One declarative table of the main window's option controls. It drives the defaults, the
// clamping, the settings store and the command line's --set NAME=VALUE; the core reads
// options only from an Options value built from it, never from widgets.
struct OptionSpec {
    enum class Kind { Check, UpDown };

    QString name;          // control name, e.g. "CheckBox14", "UpDown12"
    Kind kind;
    int defaultValue;      // 0/1 for a check box, the position for an up-down
    int minimum;
    int maximum;
    QString settingsName;  // value name in the settings store
    QString caption;       // caption text (check box) or the label beside the up-down
    QString hint;          // hover hint
    QString page;          // inner tab it sits on ("Statistisch", "Allgemein", ...)
};

const std::vector<OptionSpec>& optionTable();
const OptionSpec* findOption(const QString& name);

class Options {
public:
    Options(); // design defaults

    int value(const QString& name) const;
    bool checked(const QString& name) const { return value(name) != 0; }
    // Sets a value, clamped into the control's range; false for an unknown name.
    bool set(const QString& name, int value);
    // "NAME=VALUE" from the command line; an error text when the name is unknown, the value
    // no integer, or a check box given anything but 0 or 1.
    std::optional<QString> assign(const QString& assignment);

private:
    std::map<QString, int> m_values;
};

} // namespace vendrilo
