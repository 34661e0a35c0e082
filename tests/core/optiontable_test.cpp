// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/options/optionpages.h"
#include "core/options/optiontable.h"

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
    // 1..20 and 22..30 of the generator, 34, 35 and the back-test's 31; not 21 (the link page)
    // and 32, 33 (only carried by the settings).
    EXPECT_EQ(checkBoxes, 32);
}

TEST(OptionTable, EveryControlIsWellFormedAndFoundByItsId)
{
    std::set<QString> seen;
    for (std::size_t i = 0; i < optionTable().size(); ++i) {
        const OptionSpec& o = optionTable()[i];
        const std::string name = o.name.toStdString();
        // Code reads options by id; the table must stand in the ids' order.
        EXPECT_EQ(static_cast<std::size_t>(o.id), i) << name;
        EXPECT_EQ(&optionSpec(o.id), &o) << name;
        EXPECT_EQ(optionByName(o.name), o.id) << name;
        EXPECT_TRUE(seen.insert(o.name).second) << "twice: " << name;
        EXPECT_LE(o.minimum, o.defaultValue) << name;
        EXPECT_LE(o.defaultValue, o.maximum) << name;
        if (o.kind == OptionSpec::Kind::UpDown) {
            EXPECT_EQ(o.settingsName, o.name);
            EXPECT_TRUE(o.edit.startsWith(QLatin1String("Edit"))) << name;
        }
        if (o.sameLineAs) {
            // An option continues a line that an earlier option of its own page started.
            const OptionSpec& head = optionSpec(*o.sameLineAs);
            EXPECT_LT(static_cast<int>(head.id), static_cast<int>(o.id)) << name;
            EXPECT_EQ(head.page, o.page) << name;
            EXPECT_FALSE(head.sameLineAs) << name;
        }
    }
    EXPECT_EQ(optionTable().size(), static_cast<std::size_t>(kOptionCount));
    EXPECT_FALSE(optionByName(QStringLiteral("UpDown19")));
    for (const OptionPageInfo& page : optionPages())
        EXPECT_FALSE(optionsOnPage(page.page).empty()) << page.caption.toStdString();
}

TEST(OptionCoupling, EvenAndOddMinimumsLeaveRoomForEachOther)
{
    Options options;
    options.set(Option::OddMinimum, 4);
    optionCoupling(Option::EvenMinimum).pressed(options);
    EXPECT_EQ(options.maximum(Option::EvenMinimum), 2);
    options.set(Option::EvenMinimum, 5);
    EXPECT_EQ(options.value(Option::EvenMinimum), 2);

    // Without a click on the odd minimum's arrows its maximum stays, so both can reach 4 by
    // typing.
    options.set(Option::OddMinimum, 6);
    EXPECT_EQ(options.value(Option::OddMinimum), 6);
    optionCoupling(Option::OddMinimum).released(options);
    EXPECT_EQ(options.maximum(Option::OddMinimum), 4);
    // The position is not moved by the new range, only by the next change.
    EXPECT_EQ(options.value(Option::OddMinimum), 6);
    options.set(Option::OddMinimum, 6);
    EXPECT_EQ(options.value(Option::OddMinimum), 4);
}

TEST(OptionCoupling, OverlapMinimumStaysAtOrBelowTheMaximum)
{
    Options options;
    options.set(Option::MaxOverlap, 2);
    options.set(Option::MinOverlap, 1);
    ASSERT_EQ(optionCoupling(Option::MaxOverlap).released, nullptr);
    optionCoupling(Option::MaxOverlap).pressed(options);
    EXPECT_EQ(options.maximum(Option::MinOverlap), 2);
    EXPECT_EQ(options.minimum(Option::MaxOverlap), 1);
    options.set(Option::MinOverlap, 5);
    EXPECT_EQ(options.value(Option::MinOverlap), 2);
    options.set(Option::MaxOverlap, 0);
    EXPECT_EQ(options.value(Option::MaxOverlap), 1);

    // Releasing the minimum only raises the maximum's floor, it never touches its own range.
    ASSERT_EQ(optionCoupling(Option::MinOverlap).pressed, nullptr);
    optionCoupling(Option::MinOverlap).released(options);
    EXPECT_EQ(options.minimum(Option::MaxOverlap), 2);
    EXPECT_EQ(options.maximum(Option::MinOverlap), 2);
}
