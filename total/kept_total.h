// What the Total keeps of its last run for the details list.
#pragma once

#include <cstddef>

#include "platform/platform.h"
#include "settings/calc_settings.h"

// The last Total's text and settings, kept in memory until the next Total so that its
// details can be listed on request.
struct KeptTotal {
    SharedText Text;
    CalcSettings Settings;
    size_t ScannedEnd = 0;  // where the Total stopped reading
};
