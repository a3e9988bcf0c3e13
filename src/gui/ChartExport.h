// The Graph page's exports: "Save Chart…" (the chart as drawn, PNG or SVG),
// "Copy Data" and "Save Data…" (the lines shown, as CSV), from the buttons
// and from the chart's context menu.
#pragma once

#include <QString>

#include "form/pages/GraphPage.h"
#include "gui/Binder.h"

class QBoxLayout;

namespace tolvane::gui {

class HistoryChartView;

// Writes the chart as the view draws it (its size, its zoom) under a title
// line to a file: SVG when the name ends in ".svg", else PNG at twice the
// screen's pixels. Throws SaveError, naming the file, when it cannot be
// written; a file that holds a saved game is never written over.
void SaveChartPicture(const HistoryChartView& view, const QString& path, const QString& title);

// The title line of a saved chart: "NAME — Score, turn 120", NAME the
// save's file name.
QString ChartTitle(const QString& saveName, const form::GraphPage& page);

// Adds the page's three export buttons to `row` and the same three actions
// to the chart's context menu.
void AddChartExports(Binder& b, form::GraphPage& page, HistoryChartView* chart, QBoxLayout* row);

}  // namespace tolvane::gui
