#  include <app/Pages.h>
#include "ui/exports/Map.h"
