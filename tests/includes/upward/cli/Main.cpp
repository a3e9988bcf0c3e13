#include <CLI/CLI.hpp>
#include <QCoreApplication>

#include "app/TForm1.h"
#include "ui/Form.h"
