// Upward: the container reads the model and the rules.
#include <zlib.h>

#include "analysis/Model.h"
#include "rules/Limits.h"
#include "save/SaveReader.h"

// #include "form/Form.h" is a comment, not an include.
