// SPDX-License-Identifier: GPL-3.0-or-later
// vendrilo-chartshot [--size WxH] [--draws FILE] CHART FROM TO OUT.png: draws one chart of the
// "Diagramm" tab offscreen, as the chart view shows it, over the statistics period FROM..TO
// (DD.MM.YYYY), from the shipped draw history or a draw file, and saves it as a PNG picture.
// For the documentation, and to look at a chart at a given size without starting the window.
#include "core/charts/charts.h"
#include "core/draws/dates.h"
#include "core/draws/drawfile.h"
#include "charts/chartview.h"

#include <QApplication>
#include <cstdio>

using namespace vendrilo;

namespace {

int fail(const QString& text)
{
    std::fprintf(stderr, "vendrilo-chartshot: %s\n", qPrintable(text));
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    QSize size(900, 520);
    QString drawPath;
    while (args.size() > 1 && args.front().startsWith(QLatin1String("--"))) {
        const QString option = args.takeFirst();
        const QString value = args.takeFirst();
        if (option == QLatin1String("--size")) {
            const QStringList parts = value.split(QLatin1Char('x'));
            if (parts.size() == 2)
                size = QSize(parts.at(0).toInt(), parts.at(1).toInt());
            if (size.width() < 200 || size.height() < 150)
                return fail(QStringLiteral("--size wants WIDTHxHEIGHT, at least 200x150"));
        } else if (option == QLatin1String("--draws")) {
            drawPath = value;
        } else {
            return fail(QStringLiteral("unknown option %1").arg(option));
        }
    }
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: vendrilo-chartshot [--size WxH] [--draws FILE] CHART "
                             "FROM TO OUT.png\n");
        return 2;
    }
    const auto kind = charts::chartKindFromName(args.at(0));
    if (!kind)
        return fail(QStringLiteral("unknown chart \"%1\"").arg(args.at(0)));
    const std::optional<double> from = parseDate(args.at(1));
    const std::optional<double> to = parseDate(args.at(2));
    if (!from || !to)
        return fail(QStringLiteral("dates are DD.MM.YYYY"));

    std::vector<DrawRecord> draws;
    if (drawPath.isEmpty()) {
        auto history = shippedHistory();
        if (!history)
            return fail(history.error());
        draws = std::move(history).value();
    } else {
        auto read = drawfile::read(drawPath);
        if (!read)
            return fail(read.error());
        draws = std::move(read).value();
    }
    const charts::ChartInput in{draws, *from, *to, DrawDayFilter{}, MessageList()};

    gui::ChartView view;
    view.resize(size);
    view.setChartData(charts::computeChart(*kind, in));
    if (const Status saved = view.saveImage(args.at(3)); !saved)
        return fail(saved.error()); // names the file
    return 0;
}
