#include <QString>
#include <QtWidgets/QLabel>
#include <map>

#include "analysis/Model.h"
#include "gui/Binder.h"
#include "cli/Report.h"
#include "form/Form.h"
