// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/charts/charts.h"
#include "core/draws/dates.h"
#include "core/draws/drawfile.h"
#include "charts/chartmakers.h"
#include "charts/chartview.h"
#include "gui/chartwidgets.h"
#include "gui/controlnames.h"
#include "testsupport.h"

#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGraphicsLayout>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGraphicsSimpleTextItem>
#include <QImage>
#include <QTest>
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
        return chart->mapToScene(chart->mapToPosition(QPointF(i, 0), view.barSeries()));
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

// The chart's frame in scene coordinates: the white card inside the view's grey border.
QRectF chartFrame(const ChartView& view)
{
    qreal left = 0, top = 0, right = 0, bottom = 0;
    view.chart()->layout()->getContentsMargins(&left, &top, &right, &bottom);
    return view.chart()->sceneBoundingRect().adjusted(left, top, -right, -bottom);
}

// Where the marks are, checked against one another, the chart and the bars: shown marks never
// overlap, lie inside the chart's frame and right of the value axis, stand over their own bar,
// and cover no more than the side of any other bar. Returns how many are shown.
int checkShownMarks(const ChartView& view)
{
    const std::vector<QRectF> bars = drawnBars(view);
    const std::size_t n = view.marks().size();
    EXPECT_EQ(bars.size(), n);
    if (bars.size() != n || n < 2)
        return 0;
    const QRectF frame = chartFrame(view);
    const QRectF plot = view.chart()->mapRectToScene(view.chart()->plotArea());
    const qreal barWidth = view.barSeries()->barWidth() * plot.width() / static_cast<qreal>(n);
    std::vector<std::size_t> shown;
    for (std::size_t i = 0; i < n; ++i) {
        const QGraphicsSimpleTextItem* mark = view.marks()[i];
        if (!mark->isVisible())
            continue;
        const QRectF r = mark->sceneBoundingRect();
        EXPECT_TRUE(frame.contains(r)) << i;
        EXPECT_GE(r.left(), plot.left()) << i;
        // Over its bar; on the bar's top end only where the bar reaches up to the title.
        EXPECT_TRUE(r.bottom() <= bars[i].top() + 0.5 || bars[i].top() < plot.top() + r.height())
            << i;
        EXPECT_TRUE(r.left() <= bars[i].center().x() && bars[i].center().x() <= r.right()) << i;
        for (std::size_t j = 0; j < n; ++j) {
            const QRectF common = bars[j].intersected(r);
            if (j != i && common.height() >= 1) {
                EXPECT_LE(common.width(), std::max(1.0, barWidth / 2)) << i << " over " << j;
            }
        }
        for (std::size_t k : shown) {
            EXPECT_FALSE(view.marks()[k]->sceneBoundingRect().intersects(r)) << i << " and " << k;
        }
        shown.push_back(i);
    }
    return static_cast<int>(shown.size());
}

} // namespace

TEST(ChartView, DrawsTheNumberDistributionAsComputed)
{
    const std::vector<DrawRecord> history = *shippedHistory();
    const ChartData data = numberDistribution(wholeHistory(history));
    ChartView view;
    view.resize(1000, 600);
    view.setChartData(data);

    EXPECT_EQ(view.objectName(), gui::controlName(gui::Control::Chart));
    EXPECT_EQ(view.barSeries()->objectName(), gui::controlName(gui::Control::BarSeries));
    EXPECT_TRUE(view.barSeries()->isVisible());
    EXPECT_FALSE(view.reserveSeries()->isVisible());
    ASSERT_EQ(view.barSeries()->count(), 1);
    EXPECT_EQ(view.bars()->count(), 49);
    EXPECT_EQ(shownPoints(view), data.points);
    EXPECT_EQ(view.valueAxis()->min(), data.valueAxis.minimum);
    EXPECT_EQ(view.valueAxis()->max(), data.valueAxis.maximum);
    EXPECT_LT(view.valueAxis()->min(), view.valueAxis()->max());
    EXPECT_EQ(shownText(view.categoryAxis()->titleText()), data.categoryAxisTitle);
    // At least every second number is labelled at this width.
    EXPECT_GE(view.categoryAxis()->categoriesLabels().size(), 24);
    // The values are the view's own black marks, one per bar; the series prints none of its
    // own, which would pile up over the view's.
    EXPECT_FALSE(view.barSeries()->isLabelsVisible());
    ASSERT_EQ(view.marks().size(), data.points.size());
    for (std::size_t i = 0; i < data.points.size(); ++i) {
        EXPECT_EQ(view.marks()[i]->text(), QString::number(data.points[i].y)) << i;
        EXPECT_EQ(view.marks()[i]->brush().color(), QColor(Qt::black)) << i;
    }
    EXPECT_FALSE(view.chart()->legend()->isVisible());
    // Whole-number ticks.
    EXPECT_EQ(view.valueAxis()->tickType(), QValueAxis::TicksDynamic);
    EXPECT_GE(view.valueAxis()->tickInterval(), 1.0);
    EXPECT_EQ(view.valueAxis()->tickInterval(), std::floor(view.valueAxis()->tickInterval()));
}

TEST(ChartView, EachNewChartReplacesTheLast)
{
    const std::vector<DrawRecord> history = *shippedHistory();
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
    const std::vector<DrawRecord> history = *shippedHistory();
    ChartView view;
    view.resize(800, 500);
    view.setChartData(numberDistribution(wholeHistory(history)));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chart.png"));
    ASSERT_TRUE(view.saveImage(path).ok());
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
    const std::vector<DrawRecord> history = *shippedHistory();
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

TEST(ChartView, CrossSumMarksNeitherOverlapNorLeaveTheChart)
{
    const std::vector<DrawRecord> history = *shippedHistory();
    const ChartData sums = crossSumDistribution(wholeHistory(history));
    ASSERT_GT(sums.barCount(), 200);
    ChartView view;
    view.resize(800, 500);
    view.setChartData(sums);
    const QImage first = view.image();
    EXPECT_EQ(first, view.image()); // the first picture already had its marks in place

    const int shown = checkShownMarks(view);
    // Thinned out, but the peaks and the flanks of the curve keep theirs.
    EXPECT_GE(shown, 20);
    EXPECT_LT(shown, sums.barCount() / 3);
    const auto tallest = std::max_element(sums.points.begin(), sums.points.end(),
                                          [](auto& a, auto& b) { return a.y < b.y; });
    EXPECT_TRUE(view.marks()[static_cast<std::size_t>(tallest - sums.points.begin())]->isVisible());

    // A smaller window lays the marks out anew, fewer of them.
    view.resize(450, 300);
    settle(view);
    const int shownSmall = checkShownMarks(view);
    EXPECT_GT(shownSmall, 0);
    EXPECT_LT(shownSmall, shown);
}

TEST(ChartView, TheNumberDistributionShowsEveryMarkThatFits)
{
    const std::vector<DrawRecord> history = *shippedHistory();
    ChartView view;
    view.resize(750, 450);

    // Nine draws: no number counts more than one digit, and a one-digit mark fits over every
    // bar at this width, whatever the heights.
    ChartInput lastDraws = wholeHistory(history);
    lastDraws.periodStart = history[history.size() - 9].date;
    const ChartData few = numberDistribution(lastDraws);
    ASSERT_EQ(few.drawCount, 9);
    view.setChartData(few);
    settle(view);
    EXPECT_EQ(checkShownMarks(view), 49);

    // The whole history at the same width: three digits are wider than a bar's slot, so a mark
    // gives way where a neighbour's stands at about its height. Most stay.
    const ChartData all = numberDistribution(wholeHistory(history));
    view.setChartData(all);
    settle(view);
    EXPECT_GE(checkShownMarks(view), 40);
    // The last bar's mark sits over its bar, reaching into the empty margin on the right.
    const QGraphicsSimpleTextItem* last = view.marks().back();
    ASSERT_TRUE(last->isVisible());
    EXPECT_NEAR(last->sceneBoundingRect().center().x(), drawnBars(view).back().center().x(), 0.5);
    EXPECT_LE(last->sceneBoundingRect().right(), chartFrame(view).right());
    // Without that margin it would stick out of the chart: it is moved in, not cut off.
    view.chart()->setMargins(QMargins(20, 20, 0, 20));
    settle(view);
    checkShownMarks(view);
    ASSERT_TRUE(last->isVisible());
    EXPECT_GT(drawnBars(view).back().center().x() + last->sceneBoundingRect().width() / 2,
              chartFrame(view).right());
    EXPECT_LE(last->sceneBoundingRect().right(), chartFrame(view).right());
    view.chart()->setMargins(QMargins(20, 20, 20, 20));

    // Across a large screen every one of the 49 marks has room beside its neighbours.
    view.resize(1700, 700);
    settle(view);
    EXPECT_EQ(checkShownMarks(view), 49);
}

TEST(ChartView, MarksKeepOutOfTheTitle)
{
    // Two bars reach the top of the plot: one far left, clear of the short title, one in the
    // middle, right under it.
    ChartData data;
    data.title = QStringLiteral("Kurzer Titel");
    data.valueAxis = {false, 0, 20};
    for (int x = 0; x < 11; ++x)
        data.points.push_back({x, x == 0 || x == 5 ? 20 : 4 + x % 3, kGreen});
    ChartView view;
    view.resize(600, 400);
    view.setChartData(data);
    settle(view);

    QRectF title;
    for (QGraphicsItem* item : view.scene()->items()) {
        const auto* text = qgraphicsitem_cast<QGraphicsTextItem*>(item);
        if (text && text->isVisible() && shownText(text->toPlainText()) == data.title)
            title = text->sceneBoundingRect();
    }
    ASSERT_FALSE(title.isEmpty());
    EXPECT_EQ(checkShownMarks(view), 11);
    for (const QGraphicsSimpleTextItem* mark : view.marks())
        EXPECT_FALSE(mark->sceneBoundingRect().intersects(title)) << mark->text().toStdString();
    // The left one stands above its bar as any other, the middle one sits on its bar's top.
    const std::vector<QRectF> bars = drawnBars(view);
    EXPECT_LE(view.marks()[0]->sceneBoundingRect().bottom(), bars[0].top());
    EXPECT_GT(view.marks()[5]->sceneBoundingRect().bottom(), bars[5].top());
}

TEST(ChartView, HoveringOverABarTellsItsXAndValue)
{
    const std::vector<DrawRecord> history = *shippedHistory();
    const ChartData sums = crossSumDistribution(wholeHistory(history));
    ChartView view;
    view.resize(800, 500);
    view.setChartData(sums);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    settle(view);

    // A bar whose mark is hidden, tall enough to point at: its value is still to be had.
    const std::vector<QRectF> bars = drawnBars(view);
    std::size_t i = 0;
    while (i < bars.size() && (view.marks()[i]->isVisible() || bars[i].height() < 10))
        ++i;
    ASSERT_LT(i, bars.size());
    const QString expected = QStringLiteral("%1: %2").arg(sums.points[i].x).arg(sums.points[i].y);
    EXPECT_EQ(view.barToolTip(static_cast<int>(i)), expected);

    // The mouse on the bar's body, then off the bars, in the chart's top left corner.
    QTest::mouseMove(view.viewport(), view.mapFromScene(bars[i].center()));
    EXPECT_EQ(view.chart()->toolTip(), expected);
    QTest::mouseMove(view.viewport(), view.mapFromScene(chartFrame(view).topLeft()) + QPoint(5, 5));
    EXPECT_TRUE(view.chart()->toolTip().isEmpty());
}

TEST(ChartView, AFailedSaveTellsTheUserWhichFileAndWhy)
{
    const std::vector<DrawRecord> history = *shippedHistory();
    ChartView view;
    view.resize(600, 400);
    view.setChartData(numberDistribution(wholeHistory(history)));
    test::ScriptedPrompts prompts;
    view.setPrompts(&prompts);
    QTemporaryDir dir;

    // The folder does not exist: the reason is the system's, as any program writing there
    // would be told.
    const QString missing = dir.filePath(QStringLiteral("no/such/folder/Diagramm"));
    QFile probe(missing + QStringLiteral(".png"));
    ASSERT_FALSE(probe.open(QIODevice::WriteOnly));
    const Status error = view.saveImage(probe.fileName());
    ASSERT_FALSE(error.ok());
    EXPECT_TRUE(error.error().contains(QDir::toNativeSeparators(probe.fileName())));
    EXPECT_TRUE(error.error().contains(probe.errorString())) << error.error().toStdString();
    EXPECT_FALSE(view.saveImageTo(missing));
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages.front().contains(error.error()))
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
    EXPECT_TRUE(prompts.messages.back().contains(QStringLiteral("File too large")))
        << prompts.messages.back().toStdString();
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

// The program draws its charts through the module vendrilo-charts, which the build puts beside
// the programs. Its charts speak the language the window shows, and a module that is not there
// is said so, in that language.
TEST(ChartModule, DrawsInTheWindowsLanguageAndIsMissedAloud)
{
    const TextList english = TextList::fromFileLines(
        QString::fromUtf8(test::readBytes(QStringLiteral(VENDRILO_DATA "/land/texte.txt.en")))
            .split(QLatin1Char('\n')),
        QLocale(QLocale::English));
    const TextList german;
    const QStringList beside{QCoreApplication::applicationDirPath()};
    const QStringList nowhere{QStringLiteral("/nonexistent")};
    struct Case {
        const TextList* texts;
        const QStringList* folders;
        Text expected; // the empty period's note, or the message of the missing module
    };
    const Case cases[] = {
        {&german, &beside, Text::EmptyPeriod},
        {&english, &beside, Text::EmptyPeriod},
        {&german, &nowhere, Text::ChartModuleMissing},
        {&english, &nowhere, Text::ChartModuleMissing},
    };
    for (const Case& c : cases) {
        useTexts(*c.texts);
        const QString expected = c.texts->text(c.expected);
        QString why;
        const gui::ChartWidgets* module = gui::loadChartModule(*c.folders, &why);
        if (c.expected == Text::ChartModuleMissing) {
            EXPECT_EQ(module, nullptr);
            EXPECT_TRUE(why.contains("vendrilo-charts")) << why.toStdString();
            EXPECT_EQ(gui::chartModuleMissingText(why), fillIn(expected, {why}));
            continue;
        }
        ASSERT_NE(module, nullptr) << why.toStdString();
        EXPECT_NE(module, &gui::chartMakers()) << "the module's own, not the linked ones";
        QWidget parent;
        gui::StatisticsChart* chart = module->makeStatisticsChart(&parent);
        EXPECT_EQ(chart->widget()->parent(), &parent);
        EXPECT_EQ(chart->widget()->objectName(), gui::controlName(gui::Control::Chart));
        ChartData empty;
        empty.emptyPeriod = true;
        chart->setChartData(empty);
        EXPECT_EQ(chart->emptyPeriodNote(), expected);
        // Drawn again after a language switch, the note is in the new language.
        const TextList& switched = c.texts == &german ? english : german;
        useTexts(switched);
        chart->setChartData(empty);
        EXPECT_EQ(chart->emptyPeriodNote(), switched.text(Text::EmptyPeriod));
        gui::BalanceChart* balance = module->makeBalanceChart(&parent);
        balance->showBalance({{QDateTime(QDate(2026, 12, 5), QTime(12, 0)), 12.5}},
                             QDateTime(QDate(2026, 12, 4), QTime()),
                             QDateTime(QDate(2026, 12, 6), QTime()), QStringLiteral("Saldo"));
        EXPECT_EQ(balance->widget()->objectName(), "LedgerChart");
    }
    useTexts(TextList());
}
