#include "shell/desk_options.h"

#include <utility>
#include <vector>

#include "calculator/entry_keys.h"
#include "controls/control_geometry.h"
#include "controls/window_place.h"
#include "resources/resource_ids.h"
#include "shell/dpi_support.h"
#include "shell/shell_state.h"

namespace {

// How much of the caption, at 96 DPI, a user needs to grab the window.
constexpr int32_t MinimumDragPixels = 40;
constexpr int CaptionButtonCount = 3;

void MarkMenuItem(HWND mainWindow, UINT id, bool checked) {
    CheckMenuItem(GetMenu(mainWindow), id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (GetMonitorInfoA(monitor, &info)) {
        const RECT& work = info.rcWork;
        reinterpret_cast<std::vector<ScreenRect>*>(areas)->push_back(
            {work.left, work.top, work.right, work.bottom});
    }
    return TRUE;
}

std::vector<ScreenRect> MonitorWorkAreas() {
    std::vector<ScreenRect> areas;
    EnumDisplayMonitors(nullptr, nullptr, AddWorkArea, reinterpret_cast<LPARAM>(&areas));
    return areas;
}

TitleBarFrame FrameOf(const RECT& outer) {
    const UINT dpi = Shell.Dpi;
    const int border = SystemMetricForDpi(SM_CYFIXEDFRAME, dpi);
    TitleBarFrame frame;
    frame.Width = outer.right - outer.left;
    frame.CaptionTop = border;
    frame.CaptionHeight = SystemMetricForDpi(SM_CYCAPTION, dpi);
    frame.ButtonsWidth = CaptionButtonCount * SystemMetricForDpi(SM_CXSIZE, dpi) + border;
    frame.MinimumDrag = ScaleForDpi(MinimumDragPixels, static_cast<int32_t>(dpi));
    return frame;
}

// The restored corner of a minimised window. Its placement is kept in work-area
// coordinates, which differ from the screen's where a task bar sits at the left or top.
POINT RestoredCorner(HWND mainWindow) {
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    GetWindowPlacement(mainWindow, &placement);
    const RECT& normal = placement.rcNormalPosition;
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    GetMonitorInfoA(MonitorFromRect(&normal, MONITOR_DEFAULTTONEAREST), &info);
    return {normal.left + info.rcWork.left - info.rcMonitor.left,
            normal.top + info.rcWork.top - info.rcMonitor.top};
}

bool IsKeptPlace(LONG coordinate) {
    return coordinate >= LowestPlace && coordinate <= HighestPlace;
}

BOOL CALLBACK AddOwnedWindow(HWND window, LPARAM found) {
    auto& owned = *reinterpret_cast<std::pair<HWND, std::vector<HWND>>*>(found);
    if (GetWindow(window, GW_OWNER) == owned.first) owned.second.push_back(window);
    return TRUE;
}

std::vector<HWND> OwnedWindows(HWND owner) {
    std::pair<HWND, std::vector<HWND>> owned{owner, {}};
    EnumThreadWindows(GetCurrentThreadId(), AddOwnedWindow, reinterpret_cast<LPARAM>(&owned));
    return owned.second;
}

constexpr UINT ZOrderOnly = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;

bool HasTopmostStyle(HWND window) {
    return (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

// Some systems (Wine 8) move a window that owns others (the tape) into the topmost band
// without giving it the topmost style, so the next window brought to the top passes it.
// There the owned windows are let go for the move, then taken back and put in the band.
void MakeTopmostPastOwnedWindows(HWND mainWindow) {
    const std::vector<HWND> owned = OwnedWindows(mainWindow);
    for (HWND window : owned) SetWindowLongPtrA(window, GWLP_HWNDPARENT, 0);
    SetWindowPos(mainWindow, HWND_TOPMOST, 0, 0, 0, 0, ZOrderOnly);
    for (HWND window : owned) {
        SetWindowLongPtrA(window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(mainWindow));
        SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, ZOrderOnly);
    }
}

}  // namespace

void ApplyAlwaysOnTop(HWND mainWindow) {
    const bool onTop = Shell.Context.Settings.ALWAYS_ON_TOP;
    SetWindowPos(mainWindow, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, ZOrderOnly);
    if (onTop && !HasTopmostStyle(mainWindow)) MakeTopmostPastOwnedWindows(mainWindow);
    MarkMenuItem(mainWindow, IDM_ALWAYS_ON_TOP, onTop);
}

void ShowAddMode(HWND mainWindow) {
    const CalcSettings& settings = Shell.Context.Settings;
    const bool on = settings.ADD_MODE;
    ShowWindow(Shell.AddModeIndicator, on ? SW_SHOWNA : SW_HIDE);
    // Greyed while the decimal places leave typing unchanged (floating or 0 places).
    EnableWindow(Shell.AddModeIndicator, AddModePlaces(settings) > 0);
    MarkMenuItem(mainWindow, IDM_ADD_MODE, on);
}

void ToggleAlwaysOnTop(HWND mainWindow) {
    bool& onTop = Shell.Context.Settings.ALWAYS_ON_TOP;
    onTop = !onTop;
    ApplyAlwaysOnTop(mainWindow);
}

void ToggleAddMode(HWND mainWindow) {
    bool& on = Shell.Context.Settings.ADD_MODE;
    on = !on;
    ShowAddMode(mainWindow);
}

void RememberWindowPlace(HWND mainWindow) {
    POINT corner = {};
    if (IsIconic(mainWindow)) {
        corner = RestoredCorner(mainWindow);
    } else {
        RECT outer = {};
        GetWindowRect(mainWindow, &outer);
        corner = {outer.left, outer.top};
    }
    const bool kept = IsKeptPlace(corner.x) && IsKeptPlace(corner.y);
    CalcSettings& settings = Shell.Context.Settings;
    settings.WINDOW_X = kept ? corner.x : UnsavedPlace;
    settings.WINDOW_Y = kept ? corner.y : UnsavedPlace;
}

POINT OpeningPlace(const RECT& outer, POINT centred) {
    const CalcSettings& settings = Shell.Context.Settings;
    const ScreenPoint corner =
        OpeningCorner(settings.WINDOW_X, settings.WINDOW_Y, {centred.x, centred.y}, FrameOf(outer),
                      MonitorWorkAreas());
    return {corner.X, corner.Y};
}
