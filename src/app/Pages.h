// The thirteen pages of the window, in tab order, each built from the
// form's controls by a Binder. Widgets are created by their control names;
// the captions beside them come from the layout (ui/Captions.h), the column
// headers and static words are written here.
#pragma once

#include <QString>
#include <QWidget>
#include <array>

#include "app/Binder.h"
#include "ui/Controls.h"

class QGridLayout;
class QGroupBox;
class QLabel;
class QLayout;
class QListView;

namespace tolvane::app {

QWidget* BasePage(Binder& b);
QWidget* HeaderPage(Binder& b);
QWidget* MapPage(Binder& b);
QWidget* LeadersPage(Binder& b);
QWidget* TeamsPage(Binder& b);
QWidget* ReplayPage(Binder& b);
QWidget* GraphPage(Binder& b);
QWidget* PlayerLogPage(Binder& b);
QWidget* ReloadsPage(Binder& b);
QWidget* PlayerPage(Binder& b);
QWidget* KavrelPage(Binder& b);
QWidget* CitiesPage(Binder& b);
QWidget* AttitudesPage(Binder& b);

// Every page builder in tab order, with the page's name.
struct PageMaker {
  const char* name;
  QWidget* (*build)(Binder&);
};
extern const std::array<PageMaker, ui::kPageCount> kPages;

// --- Helpers shared by the page builders.
namespace kit {

// A page widget with its name and the given layout.
QWidget* Page(const char* name, QLayout* layout);
// A grid with the window's compact spacing.
QGridLayout* Grid();
QGroupBox* Group(const QString& title, QLayout* layout);
// Places a widget at the left of its cell (a fixed-width edit does not
// float in the middle of a wider column).
void Put(QGridLayout* grid, QWidget* widget, int row, int col, int colSpan = 1);
// A two-line caption of the design, centred: the words before a bracket over
// the bracket, or else the words wrapped within `designWidth`.
QLabel* Wrapped(QLabel* label, int designWidth);
// The "Turn", "Date", "Event" labels over a log, each over the column of the
// fixed-pitch lines it names.
QWidget* LogHeader(const QListView* log);

}  // namespace kit

}  // namespace tolvane::app
