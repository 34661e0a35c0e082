// SPDX-License-Identifier: GPL-3.0-or-later
// The main of every window test: a QApplication on the offscreen platform, then GoogleTest. The
// charts are linked in: the tests look into their Qt Charts classes.
#include "charts/chartmakers.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    vendrilo::gui::useLinkedChartWidgets(&vendrilo::gui::chartMakers());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
