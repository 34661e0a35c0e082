#include "core/charts/charts.h"
#include "core/draws/dates.h"
#include "core/draws/drawfile.h"
#include "gui/chartview.h"
#include "testsupport.h"

#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QImage>
#include <QTemporaryDir>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

using namespace vendrilo;
using namespace vendrilo::charts;
using vendrilo::gui::ChartView;

namespace {

ChartInput wholeHistory(const std::vector<DrawRecord>& draws)
{
    return ChartInput{draws, kPickerMinDate, draws.back().date, DrawDayFilter{}, MessageList()};
}

// What the view shows, read back from the series, in the same terms as ChartData. Bar i is
// labelled with its X where the axis has room for a label.
std::vector<ChartPoint> shownPoints(const ChartView& view)
{
    std::vector<ChartPoint> points;
    QBarSet* set = view.bars();
    QCategoryAxis* axis = view.categoryAxis();
    for (int i = 0; i < set->count(); ++i) {
        const QColor c = set->isBarSelected(i) ? set->selectedColor() : set->color();
        points.push_back({view.chartData().points.at(static_cast<std::size_t>(i)).x,
                          static_cast<int>(set->at(i)), static_cast<Rgb>(c.rgb() & 0xFFFFFF)});
    }
    for (const QString& label : axis->categoriesLabels()) {
        const int i = static_cast<int>(axis->endValue(label));
        EXPECT_EQ(label.toInt(), points.at(static_cast<std::size_t>(i)).x) << i;
    }
    return points;
}

QString shownText(QString text)
{
    return text.replace(QChar(QChar::Nbsp), QLatin1Char(' '));
}

// The view at its size with every pending layout done, as the user sees it.
void settle(ChartView& view)
{
    (void)view.image();
}

// The bars as QtCharts drew them, in scene coordinates, by bar index; a bar of no height is
// not drawn at all and stands as an empty rectangle on the axis below its slot.
std::vector<QRectF> drawnBars(const ChartView& view)
{
    QChart* chart = view.chart();
    const int n = view.bars()->count();
    auto slot = [&](int i) {
        return chart->mapToScene(chart->mapToPosition(QPointF(i, 0), view.series2()));
    };
    const qreal axis = chart->mapToScene(chart->plotArea().bottomLeft()).y();
    std::vector<QRectF> bars;
    for (int i = 0; i < n; ++i)
        bars.emplace_back(slot(i).x(), axis, 0, 0);
    if (n < 2)
        return bars;
    const qreal pitch = slot(1).x() - slot(0).x();
    const QColor colours[] = {view.bars()->color(), view.bars()->selectedColor()};
    for (QGraphicsItem* item : view.scene()->items()) {
        const auto* rect = qgraphicsitem_cast<QGraphicsRectItem*>(item);
        if (!rect || !rect->isVisible() ||
            std::count(std::begin(colours), std::end(colours), rect->brush().color()) == 0)
            continue;
        const QRectF r = rect->sceneBoundingRect();
        const int i = static_cast<int>(std::lround((r.center().x() - slot(0).x()) / pitch));
        EXPECT_TRUE(i >= 0 && i < n && bars[static_cast<std::size_t>(i)].isEmpty()) << i;
        if (i >= 0 && i < n)
            bars[static_cast<std::size_t>(i)] = r;
    }
    return bars;
}

} // namespace

TEST(ChartView, DrawsTheNumberDistributionAsComputed)
{
    const std::vector<DrawRecord> history = shippedHistory();
    const ChartData data = numberDistribution(wholeHistory(history));
    ChartView view;
    view.resize(1000, 600);
    view.setChartData(data);

    EXPECT_EQ(view.objectName(), QStringLiteral("Chart1"));
    EXPECT_EQ(view.series2()->objectName(), QStringLiteral("Series2"));
    EXPECT_TRUE(view.series2()->isVisible());
    EXPECT_FALSE(view.series1()->isVisible());
    ASSERT_EQ(view.series2()->count(), 1);
    EXPECT_EQ(view.bars()->count(), 49);
    EXPECT_EQ(shownPoints(view), data.points);
    EXPECT_EQ(view.valueAxis()->min(), data.valueAxis.minimum);
    EXPECT_EQ(view.valueAxis()->max(), data.valueAxis.maximum);
    EXPECT_LT(view.valueAxis()->min(), view.valueAxis()->max());
    EXPECT_EQ(shownText(view.categoryAxis()->titleText()), data.categoryAxisTitle);
    // At least every second number is labelled at this width.
    EXPECT_GE(view.categoryAxis()->categoriesLabels().size(), 24);
    EXPECT_TRUE(view.series2()->isLabelsVisible());
    EXPECT_EQ(view.bars()->labelColor(), QColor(Qt::black));
    EXPECT_FALSE(view.chart()->legend()->isVisible());
    // Whole-number ticks.
    EXPECT_EQ(view.valueAxis()->tickType(), QValueAxis::TicksDynamic);
    EXPECT_GE(view.valueAxis()->tickInterval(), 1.0);
    EXPECT_EQ(view.valueAxis()->tickInterval(), std::floor(view.valueAxis()->tickInterval()));
}

TEST(ChartView, EachNewChartReplacesTheLast)
{
    const std::vector<DrawRecord> history = shippedHistory();
    const ChartInput in = wholeHistory(history);
    ChartView view;
    view.setChartData(numberDistribution(in));

    const ChartData sums = crossSumDistribution(in);
    view.resize(800, 500);
    view.setChartData(sums);
    // Too many sums for a label each: round ones only, but spread over the whole range.
    const QStringList labels = view.categoryAxis()->categoriesLabels();
    EXPECT_LT(labels.size(), sums.barCount() / 4);
    EXPECT_GT(labels.size(), 5);
    for (const QString& label : labels)
        EXPECT_EQ(label.toInt() % 10, 0) << label.toStdString();
    EXPECT_EQ(view.bars()->count(), sums.barCount());
    EXPECT_EQ(shownPoints(view), sums.points);
    EXPECT_EQ(view.valueAxis()->min(), 0);
    EXPECT_EQ(view.valueAxis()->max(), sums.valueAxis.maximum);
    EXPECT_TRUE(view.bars()->selectedBars().isEmpty());

    const ChartData overdue = overdueNumbers(in);
    view.setChartData(overdue);
    EXPECT_EQ(shownPoints(view), overdue.points);
    EXPECT_EQ(shownText(view.chart()->title()), overdue.title);
    EXPECT_FALSE(view.categoryAxis()->isTitleVisible());

    const ChartData quadChart = quads(in);
    view.setChartData(quadChart);
    EXPECT_EQ(view.bars()->count(), 49);
    EXPECT_EQ(view.valueAxis()->min(), 0);
    EXPECT_EQ(view.valueAxis()->max(), quadChart.valueAxis.maximum);
    EXPECT_TRUE(view.chart()->title().isEmpty());
    EXPECT_EQ(view.chartData().values(), quadChart.values());
}

TEST(ChartView, AFlatChartStillGetsAnAxisButKeepsItsLimits)
{
    const std::vector<DrawRecord> none;
    ChartInput in{none, 40000, 40100, DrawDayFilter{}, MessageList()};
    ChartView view;
    view.setChartData(numberDistribution(in));
    EXPECT_EQ(view.bars()->count(), 49);
    EXPECT_EQ(view.valueAxis()->min(), 0);
    EXPECT_GT(view.valueAxis()->max(), 0);
    EXPECT_EQ(view.chartData().valueAxis.maximum, 0); // what the generator reads
    view.setChartData(crossSumDistribution(in));
    EXPECT_EQ(view.bars()->count(), 0);
    EXPECT_TRUE(view.categoryAxis()->categoriesLabels().isEmpty());
}

TEST(ChartView, SavesAPngAndCopiesToTheClipboard)
{
    const std::vector<DrawRecord> history = shippedHistory();
    ChartView view;
    view.resize(800, 500);
    view.setChartData(numberDistribution(wholeHistory(history)));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chart.png"));
    ASSERT_EQ(view.saveImage(path), std::nullopt);
    const QImage saved(path);
    EXPECT_EQ(saved.size(), QSize(800, 500));
    // Bars of both colours are on the picture.
    bool red = false;
    bool green = false;
    for (int y = 0; y < saved.height(); y += 2) {
        for (int x = 0; x < saved.width(); x += 2) {
            const QRgb p = saved.pixel(x, y) & 0xFFFFFF;
            red = red || p == 0xFF0000;
            green = green || p == 0x008000;
        }
    }
    EXPECT_TRUE(red);
    EXPECT_TRUE(green);

    // A picture taken at once shows the new chart's axis and title, not the previous layout.
    view.setChartData(overdueNumbers(wholeHistory(history)));
    const QImage atOnce = view.image();
    QApplication::processEvents();
    EXPECT_EQ(atOnce, view.image());

    QApplication::clipboard()->clear();
    view.copyToClipboard();
    EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(800, 500));
}

TEST(ChartView, EveryBarFillsItsSlotOverItsLabel)
{
    const std::vector<DrawRecord> history = shippedHistory();
    ChartView view;
    view.resize(750, 450);
    for (const ChartData& data :
         {numberDistribution(wholeHistory(history)), crossSumDistribution(wholeHistory(history))}) {
        view.setChartData(data);
        settle(view);
        // The bars stand over their own axis label, at the width set for them, the
        // switched-off series taking no room beside them.
        const std::vector<QRectF> bars = drawnBars(view);
        const QRectF plot = view.chart()->mapRectToScene(view.chart()->plotArea());
        const qreal pitch = plot.width() / data.barCount();
        int drawn = 0;
        int misplaced = 0;
        for (std::size_t i = 0; i < bars.size(); ++i) {
            if (bars[i].isEmpty())
                continue; // no height
            ++drawn;
            const qreal slotCentre = plot.left() + (static_cast<qreal>(i) + 0.5) * pitch;
            if (std::abs(bars[i].width() - 0.8 * pitch) > 0.5 ||
                std::abs(bars[i].center().x() - slotCentre) > 0.5)
                ++misplaced;
        }
        EXPECT_GT(drawn, data.barCount() / 2);
        EXPECT_EQ(misplaced, 0) << data.heading().toStdString();
    }
}

// Messages the view would show in a box, kept for the test to read.
class RecordingPrompts : public Prompts {
public:
    void message(const QString& text) override { messages << text; }
    bool askYesNo(const QString&, const QString&) override { return false; }
    QString inputText(const QString&, const QString&, const QString& defaultText) override
    {
        return defaultText;
    }

    QStringList messages;
};

TEST(ChartView, AFailedSaveTellsTheUserWhichFileAndWhy)
{
    const std::vector<DrawRecord> history = shippedHistory();
    ChartView view;
    view.resize(600, 400);
    view.setChartData(numberDistribution(wholeHistory(history)));
    RecordingPrompts prompts;
    view.setPrompts(&prompts);
    QTemporaryDir dir;

    // The folder does not exist: the reason is the system's, as any program writing there
    // would be told.
    const QString missing = dir.filePath(QStringLiteral("no/such/folder/Diagramm"));
    QFile probe(missing + QStringLiteral(".png"));
    ASSERT_FALSE(probe.open(QIODevice::WriteOnly));
    const std::optional<QString> error = view.saveImage(probe.fileName());
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(error->contains(QDir::toNativeSeparators(probe.fileName())));
    EXPECT_TRUE(error->contains(probe.errorString())) << error->toStdString();
    EXPECT_FALSE(view.saveImageTo(missing));
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages.front().contains(*error))
        << prompts.messages.front().toStdString();

    // A good path is saved without a word, ".png" added to a bare name.
    const QString saved = dir.filePath(QStringLiteral("Diagramm.png"));
    EXPECT_TRUE(view.saveImageTo(dir.filePath(QStringLiteral("Diagramm"))));
    EXPECT_EQ(QImage(saved).size(), QSize(600, 400));
    EXPECT_EQ(prompts.messages.size(), 1);

    // The disk fills up while a new chart is written over it: the user hears of it and the
    // picture saved before is still whole.
    const QByteArray before = test::readBytes(saved);
    view.setChartData(overdueNumbers(wholeHistory(history)));
    bool ok = true;
    if (!test::withFileSizeLimit(100, [&] { ok = view.saveImageTo(saved); }))
        GTEST_SKIP() << "no file size limit on this system";
    EXPECT_FALSE(ok);
    ASSERT_EQ(prompts.messages.size(), 2);
    EXPECT_TRUE(prompts.messages.back().contains(QDir::toNativeSeparators(saved)));
    EXPECT_EQ(test::readBytes(saved), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Diagramm.png"});
}

TEST(ChartView, WholeTickSteps)
{
    EXPECT_EQ(gui::wholeTickStep(0, 0), 1);
    EXPECT_EQ(gui::wholeTickStep(0, 3), 1);
    EXPECT_EQ(gui::wholeTickStep(0, 10), 1);
    EXPECT_EQ(gui::wholeTickStep(0, 11), 2);
    EXPECT_EQ(gui::wholeTickStep(600, 1000), 50);
    EXPECT_EQ(gui::wholeTickStep(0, 7394), 1000);
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
