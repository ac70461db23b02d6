#include "system.hpp"

#include <commctrl.h>
#include <objbase.h>

#include <optional>
#include <string>

namespace vornix::win32 {
namespace {

bool g_windows_7 = false;
std::optional<bool> g_high_contrast;

// The call `name` of `library` (already loaded, or loaded now), or nullptr.
template <typename Function> Function newer_call(const wchar_t* library, const char* name) {
    if (g_windows_7) {
        return nullptr;
    }
    HMODULE module = system_library(library);
    return module == nullptr
               ? nullptr
               : reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// MONITOR_DPI_TYPE's effective resolution.
constexpr int kEffectiveDpi = 0;

using GetDpiForWindowCall = UINT(WINAPI*)(HWND);
using GetDpiForMonitorCall = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using AdjustForDpiCall = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using MetricForDpiCall = int(WINAPI*)(int, UINT);
using ParametersForDpiCall = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);
using LoadIconScaledCall = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*);

int scaled(int value, int dpi) {
    return MulDiv(value, dpi, system_dpi());
}

void scale_font(LOGFONTW& font, int dpi) {
    font.lfHeight = scaled(font.lfHeight, dpi);
}

} // namespace

HMODULE system_library(const wchar_t* name) {
    if (HMODULE loaded = GetModuleHandleW(name)) {
        return loaded;
    }
    wchar_t folder[MAX_PATH]{};
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return nullptr;
    }
    return LoadLibraryW((std::wstring(folder, length) + L"\\" + name).c_str());
}

void start_com() {
    using Initialise = HRESULT(WINAPI*)(void*, DWORD);
    static const bool started = [] {
        HMODULE ole = system_library(L"ole32.dll");
        const auto initialise =
            ole == nullptr ? nullptr
                           : reinterpret_cast<Initialise>(
                                 reinterpret_cast<void*>(GetProcAddress(ole, "CoInitializeEx")));
        return initialise != nullptr &&
               SUCCEEDED(initialise(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    }();
    (void)started;
}

int system_dpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

int window_dpi(HWND window) {
    if (const auto for_window = newer_call<GetDpiForWindowCall>(L"user32.dll", "GetDpiForWindow")) {
        if (const UINT dpi = for_window(window); dpi > 0) {
            return static_cast<int>(dpi);
        }
    }
    if (const auto for_monitor =
            newer_call<GetDpiForMonitorCall>(L"shcore.dll", "GetDpiForMonitor")) {
        UINT x = 0;
        UINT y = 0;
        if (SUCCEEDED(for_monitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST),
                                  kEffectiveDpi, &x, &y)) &&
            x > 0) {
            return static_cast<int>(x);
        }
    }
    return system_dpi();
}

RECT frame_around(const RECT& client, DWORD style, DWORD ex_style, int dpi) {
    RECT outer = client;
    if (const auto adjust =
            newer_call<AdjustForDpiCall>(L"user32.dll", "AdjustWindowRectExForDpi")) {
        adjust(&outer, style, FALSE, ex_style, static_cast<UINT>(dpi));
        return outer;
    }
    // The frame at the system's resolution, its borders scaled to the window's.
    AdjustWindowRectEx(&outer, style, FALSE, ex_style);
    return {client.left - scaled(client.left - outer.left, dpi),
            client.top - scaled(client.top - outer.top, dpi),
            client.right + scaled(outer.right - client.right, dpi),
            client.bottom + scaled(outer.bottom - client.bottom, dpi)};
}

int system_metric(int index, int dpi) {
    if (const auto metric = newer_call<MetricForDpiCall>(L"user32.dll", "GetSystemMetricsForDpi")) {
        return metric(index, static_cast<UINT>(dpi));
    }
    return scaled(GetSystemMetrics(index), dpi);
}

NONCLIENTMETRICSW nonclient_metrics(int dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (const auto parameters =
            newer_call<ParametersForDpiCall>(L"user32.dll", "SystemParametersInfoForDpi")) {
        if (parameters(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0,
                       static_cast<UINT>(dpi))) {
            return metrics;
        }
    }
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    for (LOGFONTW* font : {&metrics.lfCaptionFont, &metrics.lfSmCaptionFont, &metrics.lfMenuFont,
                           &metrics.lfStatusFont, &metrics.lfMessageFont}) {
        scale_font(*font, dpi);
    }
    return metrics;
}

HICON load_program_icon(int resource, int pixels) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (const auto scaled_down =
            newer_call<LoadIconScaledCall>(L"comctl32.dll", "LoadIconWithScaleDown")) {
        HICON icon = nullptr;
        if (SUCCEEDED(scaled_down(instance, MAKEINTRESOURCEW(resource), pixels, pixels, &icon))) {
            return icon;
        }
    }
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(resource), IMAGE_ICON, pixels,
                                         pixels, LR_DEFAULTCOLOR));
}

bool has_live_regions() {
    // A call Windows 8 brought with its live regions.
    return newer_call<FARPROC>(L"user32.dll", "GetPointerType") != nullptr;
}

bool high_contrast() {
    if (g_high_contrast) {
        return *g_high_contrast;
    }
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

void pretend_windows_7(bool yes) {
    g_windows_7 = yes;
}

void pretend_high_contrast(bool on) {
    g_high_contrast = on;
}

} // namespace vornix::win32
