// The map as "map.txt" writes it.
#include <gtest/gtest.h>

#include "form/exports/MapText.h"

namespace tolvane::form::testing {
namespace {

// Three plots across, two rows: the top row (y 1) first, CR LF between the
// rows and none after the last; a value outside its table as "?"; a plot
// without feature or resource ends after its terrain.
TEST(MapText, RowsFromTheTopWithAbbreviationsAndUnknownValues) {
  Analysis a;
  a.mapWidth = 3;
  a.mapHeight = 2;
  a.plots.assign(6, Plot{});
  a.PlotAt(0, 0) = {.plotType = 3, .terrain = 6};                             // water, ocean
  a.PlotAt(1, 0) = {.plotType = 2, .terrain = 0, .feature = 4, .bonus = 19};  // flat grassland, forest, wheat
  a.PlotAt(2, 0) = {.plotType = 1, .terrain = 9, .bonus = 35};                // hills; terrain and resource unknown
  a.PlotAt(0, 1) = {.plotType = 0, .terrain = 7, .feature = 6};               // peak; feature unknown
  a.PlotAt(1, 1) = {.plotType = -1, .terrain = 5};                            // plot type unknown, coast
  a.PlotAt(2, 1) = {.plotType = 2, .terrain = 1, .feature = 0};               // flat plains, ice
  EXPECT_EQ(MapText(a),
            "y/x;0;1;2;\r\n"
            "1;M,Mo,?;?,Co;F,Pl,Ic;\r\n"
            "0;W,Oc;F,Gr,Fo,Whea;H,?,?;");
}

TEST(MapText, NoMapWritesTheHeaderOnly) { EXPECT_EQ(MapText(Analysis{}), "y/x;"); }

}  // namespace
}  // namespace tolvane::form::testing
