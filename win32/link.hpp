// The link: a label that takes the keyboard focus, drawn by itself in the
// colours its window gives for it (WM_CTLCOLORSTATIC), with its text
// underlined as its font says and a focus frame once the keyboard is in use.
// Enter and Space reach it as keys; its window decides what they do.
#pragma once

#include <windows.h>

namespace vornix::win32 {

inline constexpr const wchar_t* kLinkClass = L"VornixLink";

// Registers the link's window class, once.
void register_link_class();

} // namespace vornix::win32
