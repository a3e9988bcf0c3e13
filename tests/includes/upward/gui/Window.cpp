// The window may include everything.
#include <QWidget>

#include "cli/Report.h"
#include "form/Form.h"
