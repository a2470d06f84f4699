// The layering test must refuse this: the arithmetic reaching up into the key layer.
#pragma once

#include "calculator/calc_context.h"
