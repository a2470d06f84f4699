#include "shell/dpi_support.h"

#include "controls/control_geometry.h"

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);
using SystemParametersInfoForDpiFunction = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);

// The address of a user32 function, or null on a system without it.
template <typename Function>
Function User32Function(const char* name) {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    if (user32 == nullptr) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

UINT SystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : BaseDpi;
}

}  // namespace

UINT WindowDpi(HWND window) {
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    const UINT dpi = getDpiForWindow != nullptr ? getDpiForWindow(window) : 0;
    return dpi != 0 ? dpi : SystemDpi();
}

void AdjustRectForDpi(RECT& client, DWORD style, UINT dpi) {
    static const auto adjust =
        User32Function<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
    if (adjust == nullptr || !adjust(&client, style, TRUE, 0, dpi)) {
        AdjustWindowRectEx(&client, style, TRUE, 0);
    }
}

int SystemMetricForDpi(int index, UINT dpi) {
    static const auto metric =
        User32Function<GetSystemMetricsForDpiFunction>("GetSystemMetricsForDpi");
    return metric != nullptr ? metric(index, dpi) : GetSystemMetrics(index);
}

HFONT MakeTipFont(UINT dpi) {
    static const auto parameters =
        User32Function<SystemParametersInfoForDpiFunction>("SystemParametersInfoForDpi");
    // The per-DPI query exists only with the wide-character record.
    NONCLIENTMETRICSW wide = {};
    wide.cbSize = sizeof(wide);
    if (parameters != nullptr && parameters(SPI_GETNONCLIENTMETRICS, sizeof(wide), &wide, 0, dpi)) {
        return CreateFontIndirectW(&wide.lfStatusFont);
    }
    // The classic metrics are at the system DPI: bring the height to the window's.
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    metrics.lfStatusFont.lfHeight = MulDiv(metrics.lfStatusFont.lfHeight, dpi, SystemDpi());
    return CreateFontIndirectA(&metrics.lfStatusFont);
}
