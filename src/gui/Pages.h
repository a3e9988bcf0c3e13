// The widgets of the window's pages, each built from its page of the form by
// a Binder, one file per page under gui/pages. Widgets take their window
// names and captions from the controls; the layout and the static words of
// the design are written there.
#pragma once

#include <QString>
#include <QWidget>

#include "form/Form.h"
#include "gui/Binder.h"

class QGridLayout;
class QGroupBox;
class QLabel;
class QLayout;
class QListView;

namespace tolvane::gui {

QWidget* BuildBasePage(Binder& b, form::BasePage& page);
QWidget* BuildHeaderPage(Binder& b, form::HeaderPage& page);
QWidget* BuildMapPage(Binder& b, form::MapPage& page);
QWidget* BuildWorldPage(Binder& b, form::WorldPage& page);
QWidget* BuildLeadersPage(Binder& b, form::LeadersPage& page);
QWidget* BuildTeamsPage(Binder& b, form::TeamsPage& page);
QWidget* BuildReplayPage(Binder& b, form::ReplayPage& page);
QWidget* BuildGraphPage(Binder& b, form::GraphPage& page);
QWidget* BuildPlayerLogPage(Binder& b, form::PlayerLogPage& page);
QWidget* BuildReloadsPage(Binder& b, form::ReloadsPage& page);
QWidget* BuildPlayerPage(Binder& b, form::PlayerPage& page);
QWidget* BuildKavrelPage(Binder& b, form::KavrelPage& page);
QWidget* BuildCitiesPage(Binder& b, form::CitiesPage& page);
QWidget* BuildAttitudesPage(Binder& b, form::AttitudesPage& page);
QWidget* BuildSavesPage(Binder& b, form::SavesPage& page);
QWidget* BuildComparePage(Binder& b, form::ComparePage& page);

// The widget of a page, made by the builder listed for the page's class (in
// gui/PageKit.cpp). A page without a builder is a fault of the program:
// std::logic_error, when the window is made.
QWidget* BuildPage(Binder& b, form::Page& page);

// --- Helpers shared by the page builders.
namespace kit {

// A page widget with the page's window name and the given layout.
QWidget* Page(const form::Page& page, QLayout* layout);
// The page in a frameless scroll area: a page taller or wider than the
// window scrolls instead of holding the window large.
QWidget* Scrolling(QWidget* page);
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

}  // namespace tolvane::gui
