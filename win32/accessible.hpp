// What a screen reader hears for a control: the system's own accessible
// object for it, with the name and description the window's rules chose.
#pragma once

#include <windows.h>

#include <string>

namespace vornix::win32 {

// The answer to WM_GETOBJECT for OBJID_CLIENT: the control's standard
// accessible object, speaking `name` and `description` (either may be empty:
// then the standard object's own is kept) in the role `role` (0: its own).
// A `pressable` control's default action (a screen reader's, voice control's
// or switch access's "press" or "check") clicks it as the mouse does, so that
// its window hears BN_CLICKED. Returns 0 when there is none. The
// accessibility library is loaded when a screen reader first asks, not when
// the program starts.
LRESULT accessible_object(HWND control, WPARAM wparam, const std::wstring& name,
                          const std::wstring& description, long role = 0, bool pressable = false);

// Makes the control a polite live region for UI Automation (Windows 8 and
// later read it), so that a screen reader speaks its new text unasked.
void mark_live_region(HWND control);

} // namespace vornix::win32
