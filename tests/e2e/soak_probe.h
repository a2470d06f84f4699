// The block the soak probe inside quillon.exe keeps and the soak driver reads.
#pragma once

#include <windows.h>

inline constexpr const char* SoakProbeBlockName = "QuillonSoakProbe";

struct SoakFigures {
    volatile LONG Gdi;      // GDI objects the program made and did not free since the probe came
    volatile LONG User;     // the same for USER objects
    volatile LONG Samples;  // memory measurements so far, one every 100 ms
    LONG Unused;
    volatile ULONGLONG PrivateBytes;
    volatile ULONGLONG WorkingSet;
};
