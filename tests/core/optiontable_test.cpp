#include "core/app/optionpages.h"
#include "core/app/optiontable.h"

#include <gtest/gtest.h>
#include <set>

using namespace vendrilo;

namespace {

int number(const QString& name, const char* prefix)
{
    return name.mid(static_cast<int>(qstrlen(prefix))).toInt();
}

} // namespace

TEST(OptionTable, CheckBoxDefaultsAreTheSettingsStoreDesignStates)
{
    // The check boxes that a missing settings value leaves ticked.
    const std::set<int> ticked = {3, 4, 5, 9, 10, 14, 16, 17, 18, 23, 24, 28, 34, 35};
    int checkBoxes = 0;
    for (const auto& o : optionTable()) {
        if (o.kind != OptionSpec::Kind::Check)
            continue;
        ++checkBoxes;
        const int n = number(o.name, "CheckBox");
        EXPECT_EQ(o.defaultValue, ticked.count(n) ? 1 : 0) << o.name.toStdString();
        EXPECT_EQ(o.settingsName, QStringLiteral("Chekcbox%1").arg(n)) << o.name.toStdString();
    }
    // 1..20 and 22..30 of the generator, 34, 35, minus the back-test's 21 and 31..33.
    EXPECT_EQ(checkBoxes, 31);
}

TEST(OptionTable, EveryControlIsWellFormed)
{
    std::set<QString> seen;
    for (const auto& o : optionTable()) {
        EXPECT_TRUE(seen.insert(o.name).second) << "twice: " << o.name.toStdString();
        EXPECT_LE(o.minimum, o.defaultValue) << o.name.toStdString();
        EXPECT_LE(o.defaultValue, o.maximum) << o.name.toStdString();
        EXPECT_TRUE(o.page.isEmpty() || optionPages().contains(o.page)) << o.name.toStdString();
        if (o.kind == OptionSpec::Kind::UpDown) {
            EXPECT_EQ(o.settingsName, o.name);
            EXPECT_TRUE(o.edit.startsWith(QLatin1String("Edit"))) << o.name.toStdString();
        }
        if (!o.line.isEmpty()) {
            // A control continues a line that an earlier control of its own page started.
            const OptionSpec* head = findOption(o.line);
            ASSERT_NE(head, nullptr) << o.name.toStdString();
            EXPECT_TRUE(seen.count(o.line)) << o.name.toStdString();
            EXPECT_EQ(head->page, o.page) << o.name.toStdString();
            EXPECT_TRUE(head->line.isEmpty()) << o.name.toStdString();
        }
    }
    for (const QString& page : optionPages())
        EXPECT_FALSE(optionsOnPage(page).empty()) << page.toStdString();
}

TEST(OptionTable, IndexAccessMatchesNamedAccess)
{
    Options options;
    const int i = Options::indexOf(QStringLiteral("UpDown18"));
    ASSERT_GE(i, 0);
    options.setAt(i, 9999);
    EXPECT_EQ(options.value(QStringLiteral("UpDown18")), 500);
    options.set(QStringLiteral("UpDown18"), 3);
    EXPECT_EQ(options.valueAt(i), 4);
    EXPECT_EQ(Options::indexOf(QStringLiteral("UpDown19")), -1);
    EXPECT_FALSE(options.set(QStringLiteral("CheckBox99"), 1));
    EXPECT_TRUE(options.assign(QStringLiteral("CheckBox35=2")).has_value());
    EXPECT_FALSE(options.assign(QStringLiteral("CheckBox35=0")).has_value());
    EXPECT_FALSE(options.checked(QStringLiteral("CheckBox35")));
}

TEST(OptionCoupling, EvenAndOddMinimumsLeaveRoomForEachOther)
{
    Options options;
    options.set(QStringLiteral("UpDown16"), 4);
    UpDown15MouseDown(options);
    EXPECT_EQ(options.maximum(QStringLiteral("UpDown15")), 2);
    options.set(QStringLiteral("UpDown15"), 5);
    EXPECT_EQ(options.value(QStringLiteral("UpDown15")), 2);

    // Without a click on UpDown16's arrows its maximum stays, so both can reach 4 by typing.
    options.set(QStringLiteral("UpDown16"), 6);
    EXPECT_EQ(options.value(QStringLiteral("UpDown16")), 6);
    UpDown16MouseUp(options);
    EXPECT_EQ(options.maximum(QStringLiteral("UpDown16")), 4);
    // The position is not moved by the new range, only by the next change.
    EXPECT_EQ(options.value(QStringLiteral("UpDown16")), 6);
    options.set(QStringLiteral("UpDown16"), 6);
    EXPECT_EQ(options.value(QStringLiteral("UpDown16")), 4);
}

TEST(OptionCoupling, OverlapMinimumStaysAtOrBelowTheMaximum)
{
    Options options;
    options.set(QStringLiteral("UpDown3"), 2);
    options.set(QStringLiteral("UpDown9"), 1);
    UpDown3MouseDown(options);
    EXPECT_EQ(options.maximum(QStringLiteral("UpDown9")), 2);
    EXPECT_EQ(options.minimum(QStringLiteral("UpDown3")), 1);
    options.set(QStringLiteral("UpDown9"), 5);
    EXPECT_EQ(options.value(QStringLiteral("UpDown9")), 2);
    options.set(QStringLiteral("UpDown3"), 0);
    EXPECT_EQ(options.value(QStringLiteral("UpDown3")), 1);

    // Releasing UpDown9 only raises UpDown3's minimum, it never touches UpDown9's own range.
    UpDown9MouseUp(options);
    EXPECT_EQ(options.minimum(QStringLiteral("UpDown3")), 2);
    EXPECT_EQ(options.maximum(QStringLiteral("UpDown9")), 2);
}

TEST(OptionPages, LabelsBelongToKnownPages)
{
    for (const auto& label : optionPageLabels()) {
        EXPECT_TRUE(optionPages().contains(label.page)) << label.text.toStdString();
        EXPECT_FALSE(label.text.isEmpty());
    }
    EXPECT_EQ(optionPageLabels(QStringLiteral("Mathematisch")).size(), 3u);
}
