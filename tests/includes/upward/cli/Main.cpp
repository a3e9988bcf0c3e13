#include <CLI/CLI.hpp>
#include <QCoreApplication>

#include "gui/TForm1.h"
#include "form/Form.h"
