// What Windows offers beyond Windows 7, looked up once at run time, each with
// the fallback an older Windows gets: the program starts on Windows 7 SP1 and
// uses the newer calls where they exist. Also the system's settings the
// windows follow (resolution, High Contrast).
#pragma once

#include <windows.h>

namespace vornix::win32 {

// A library from the system's own folder, loaded on first use; never from
// the program's folder, where a planted copy could wait.
HMODULE system_library(const wchar_t* name);

// COM on the calling (window) thread, started on first need: a screen
// reader's first question, or a web page to open. Without OLE 1.0's DDE, as
// the shell asks.
void start_com();

// The resolution of the monitor the window is on: Windows 10's
// GetDpiForWindow, Windows 8.1's GetDpiForMonitor, else the system's.
int window_dpi(HWND window);
// The resolution the system started with (GetDeviceCaps(LOGPIXELSX) on Windows 7).
int system_dpi();

// The outer rectangle of a window whose client area is `client`, at `dpi`.
RECT frame_around(const RECT& client, DWORD style, DWORD ex_style, int dpi);

// A system metric (SM_CXICON, ...) at `dpi`.
int system_metric(int index, int dpi);

// The system's fonts and spacings at `dpi`.
NONCLIENTMETRICSW nonclient_metrics(int dpi);

// Icon `resource` of the program at `pixels` square, scaled down from the
// next larger picture where there is no picture of that size. The caller
// destroys it.
HICON load_program_icon(int resource, int pixels);

// Whether screen readers take live-region events (Windows 8 and later).
bool has_live_regions();

// Whether the user has turned High Contrast on.
bool high_contrast();

// For tests: every newer call is looked up as missing, so that each
// fallback runs; and High Contrast is answered as given, as Wine always
// answers it off.
void pretend_windows_7(bool yes);
void pretend_high_contrast(bool on);

} // namespace vornix::win32
