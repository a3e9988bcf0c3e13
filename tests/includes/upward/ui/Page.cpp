#include <QString>
#include <QtWidgets/QLabel>
#include <map>

#include "analysis/Model.h"
#include "app/Binder.h"
#include "cli/Report.h"
#include "ui/Form.h"
