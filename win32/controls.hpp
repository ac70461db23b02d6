// The system's controls a window's table asks for, and what they need beside it.
#pragma once

#include "form.hpp"

#include <windows.h>

namespace vornix::win32 {

// The window class and styles for a row of that kind.
struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD ex_style;
};
ControlClass control_class(ui::ControlKind kind);
// The class of a row's control, its caption taken into account.
ControlClass control_class(const ui::ControlRow& row);

// Never shown: owning a dialog keeps it off the taskbar.
HWND hidden_owner();

// An entry box's own menu: undo, cut, copy, paste, delete, select all.
void append_edit_commands(HMENU menu, HWND box);
// Runs an item appended by append_edit_commands.
void run_edit_command(HWND box, UINT command);

} // namespace vornix::win32
