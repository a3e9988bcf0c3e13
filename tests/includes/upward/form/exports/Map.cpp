#  include <gui/Pages.h>
#include "form/exports/Map.h"
