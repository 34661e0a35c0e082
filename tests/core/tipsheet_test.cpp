// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/sheet/tipsheet.h"

#include <gtest/gtest.h>

using namespace vendrilo;

namespace {

struct EntryCase {
    const char* typed;
    const char* shown;
};

class EntryNormalisation : public testing::TestWithParam<EntryCase> {};

TEST_P(EntryNormalisation, FieldHoldsThePlainNumberOrNothing)
{
    TipSheet sheet;
    const QString shown = sheet.setField(7, 4, QString::fromLatin1(GetParam().typed));
    EXPECT_EQ(shown, QString::fromLatin1(GetParam().shown));
    EXPECT_EQ(sheet.field(7, 4), shown);
}

// "007 shows 7", with the signs and blanks spelt out: ctest lists each case by this name.
std::string caseName(const testing::TestParamInfo<EntryCase>& info)
{
    auto spell = [](const char* text) {
        std::string name = *text ? "" : "empty";
        for (const char* c = text; *c; ++c) {
            switch (*c) {
            case '+':
                name += "plus";
                break;
            case '-':
                name += "minus";
                break;
            case ' ':
                name += "blank";
                break;
            case '.':
                name += "dot";
                break;
            default:
                name += *c;
            }
        }
        return name;
    };
    return spell(info.param.typed) + "_shows_" + spell(info.param.shown);
}

INSTANTIATE_TEST_SUITE_P(Typed, EntryNormalisation,
                         testing::Values(EntryCase{"007", "7"}, EntryCase{"49", "49"},
                                         EntryCase{"1", "1"}, EntryCase{"+12", "12"},
                                         EntryCase{" 8", "8"}, EntryCase{"0", ""},
                                         EntryCase{"50", ""}, EntryCase{"-3", ""},
                                         EntryCase{"x", ""}, EntryCase{"", ""}, EntryCase{"8 ", ""},
                                         EntryCase{"4x", ""}, EntryCase{"1.5", ""},
                                         EntryCase{"-", ""}, EntryCase{"99999999999", ""},
                                         EntryCase{"0000000049", "49"}),
                         caseName);

TEST(IntegerConversion, Limits)
{
    EXPECT_EQ(parseInteger(QStringLiteral("2147483647")), 2147483647);
    EXPECT_EQ(parseInteger(QStringLiteral("-2147483648")), INT32_MIN);
    EXPECT_FALSE(parseInteger(QStringLiteral("2147483648")));
    EXPECT_FALSE(parseInteger(QStringLiteral("   ")));
    EXPECT_FALSE(parseInteger(QStringLiteral("٣"))); // a non-Latin digit is no digit here
}

TEST(TipSheet, RowStringJoinsTheSixFields)
{
    TipSheet sheet;
    EXPECT_EQ(sheet.rowString(1), QStringLiteral(",,,,,"));
    sheet.setRow(2, {3, 11, 17, 25, 38, 44});
    EXPECT_EQ(sheet.rowString(2), QStringLiteral("3,11,17,25,38,44"));
    // The generator writes 0 into rows it could not fill: they read as empty.
    sheet.setRow(3, {0, 0, 0, 0, 0, 0});
    EXPECT_EQ(sheet.rowString(3), QStringLiteral(",,,,,"));
    sheet.setField(4, 2, QStringLiteral("9"));
    EXPECT_EQ(sheet.rowString(4), QStringLiteral(",9,,,,"));
    EXPECT_FALSE(sheet.numbers(4));
    EXPECT_EQ(sheet.numbers(2), (std::array<int, 6>{3, 11, 17, 25, 38, 44}));
}

TEST(TipSheet, ClearingSparesLockedRowsWithTheirLabels)
{
    TipSheet sheet;
    for (int r = 1; r <= TipSheet::kRows; ++r) {
        sheet.setRow(r, {r, r + 1, r + 2, r + 3, r + 4, r + 5});
        sheet.row(r).hitsLabel = QStringLiteral("2");
        sheet.row(r).crossSumLabel = QStringLiteral("99");
    }
    sheet.toggleLock(5);
    sheet.toggleLock(12);
    const TipSheet before = sheet;

    sheet.clearUnlocked();
    for (int r = 1; r <= TipSheet::kRows; ++r) {
        if (r == 5 || r == 12) {
            EXPECT_EQ(sheet.row(r), before.row(r)) << r;
        } else {
            EXPECT_EQ(sheet.rowString(r), QStringLiteral(",,,,,")) << r;
            EXPECT_TRUE(sheet.row(r).hitsLabel.isEmpty()) << r;
            EXPECT_TRUE(sheet.row(r).crossSumLabel.isEmpty()) << r;
        }
    }
}

} // namespace
