// What the fit check's driver and its probe inside quillon.exe share: the event by which the
// driver asks the probe to measure the windows shown now.
#pragma once

#include <windows.h>

#include <string>

inline std::string FitRequestEventName(DWORD processId) {
    return "QuillonFitRequest" + std::to_string(processId);
}
