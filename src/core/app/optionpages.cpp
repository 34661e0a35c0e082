#include "core/app/optionpages.h"

namespace vendrilo {

const QStringList& optionPages()
{
    static const QStringList pages = {
        QStringLiteral("Statistisch"),
        QStringLiteral("Schein Optimierung"),
        QStringLiteral("Mathematisch"),
        QStringLiteral("Allgemein"),
    };
    return pages;
}

const std::vector<OptionPageLabel>& optionPageLabels()
{
    static const std::vector<OptionPageLabel> labels = {
        {{},
         QStringLiteral("Statistisch"),
         QStringLiteral("Für die Tippberechnung werden die jeweils ersten x% verwendet. "
                        "(z.B. bis 30% vom Maximum)")},
        {{},
         QStringLiteral("Mathematisch"),
         QStringLiteral("Durch das Begrenzen der Quersummer können Sie Tipps wie 1-2-3-4-5-6 "
                        "oder 39-41-43-46-47-49")},
        {{},
         QStringLiteral("Mathematisch"),
         QStringLiteral("Mochten Sie auf höhere Quoten Tippen, wählen Sie Quersummer größer 130. "
                        "(Datumstipper)")},
        {QStringLiteral("Label88"), QStringLiteral("Mathematisch"),
         QStringLiteral("Die Quersummerverteilung der vergangenen Ziehungen sehen Sie im "
                        "Diagramm unter QS  "),
         true},
        {{},
         QStringLiteral("Allgemein"),
         QStringLiteral("Sie können versuchen die Berechnungsläufe zu erhöhen, falls mit Ihren "
                        "Einstellungen nicht alle Reihen berechnet werden konnten. ")},
    };
    return labels;
}

std::vector<OptionPageLabel> optionPageLabels(const QString& page)
{
    std::vector<OptionPageLabel> result;
    for (const auto& label : optionPageLabels())
        if (label.page == page)
            result.push_back(label);
    return result;
}

std::vector<const OptionSpec*> optionsOnPage(const QString& page)
{
    std::vector<const OptionSpec*> result;
    for (const auto& o : optionTable())
        if (o.page == page)
            result.push_back(&o);
    return result;
}

namespace {

const QString kUpDown3 = QStringLiteral("UpDown3");
const QString kUpDown9 = QStringLiteral("UpDown9");
const QString kUpDown15 = QStringLiteral("UpDown15");
const QString kUpDown16 = QStringLiteral("UpDown16");

} // namespace

void UpDown15MouseDown(Options& options)
{
    options.setMaximum(kUpDown15, 6 - options.value(kUpDown16));
}

void UpDown15MouseUp(Options& options)
{
    UpDown15MouseDown(options);
}

void UpDown16MouseDown(Options& options)
{
    options.setMaximum(kUpDown16, 6 - options.value(kUpDown15));
}

void UpDown16MouseUp(Options& options)
{
    UpDown16MouseDown(options);
}

void UpDown3MouseDown(Options& options)
{
    options.setMaximum(kUpDown9, options.value(kUpDown3));
    options.setMinimum(kUpDown3, options.value(kUpDown9));
}

void UpDown9MouseUp(Options& options)
{
    options.setMinimum(kUpDown3, options.value(kUpDown9));
}

} // namespace vendrilo
