#pragma once

#include <fmt/format.h>

#include "rules/Limits.h"
#include "save/SaveError.h"
