// The system's floor for the Windows start-up benchmark: a bare Win32 window
// holding as many entry boxes, labels and buttons as Vornix's main window,
// in one 宋体 font, and nothing else. With --kai its two titles are in
// 楷体_GB2312 as Vornix's are; built as vornix_reference_window_themed it also
// carries Vornix's manifest (common controls 6, the themed controls).
#include <windows.h>

#include <string_view>

namespace {

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

HWND control(const wchar_t* kind, const wchar_t* text, DWORD style, RECT place, HWND parent,
             HFONT font) {
    HWND made = CreateWindowExW(0, kind, text, WS_CHILD | WS_VISIBLE | style, place.left, place.top,
                                place.right, place.bottom, parent, nullptr, nullptr, nullptr);
    SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return made;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR command_line, int show) {
    const bool kai_titles =
        std::wstring_view(command_line).find(L"--kai") != std::wstring_view::npos;
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    window_class.lpszClassName = L"Reference";
    RegisterClassW(&window_class);
    HWND window = CreateWindowExW(0, L"Reference", L"reference", WS_OVERLAPPEDWINDOW, 0, 0, 440,
                                  424, nullptr, nullptr, instance, nullptr);
    HFONT song = CreateFontW(-21, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, 0, 0, 0,
                             0, L"宋体");
    for (int i = 0; i < 7; ++i) {
        control(L"EDIT", L"", WS_BORDER, {24 + 56 * i, 40, 41, 41}, window, song);
    }
    HFONT kai = kai_titles ? CreateFontW(-21, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                         GB2312_CHARSET, 0, 0, 0, 0, L"楷体_GB2312")
                           : song;
    for (int i = 0; i < 17; ++i) {
        control(L"STATIC", L"坐标", 0, {8 + 100 * (i % 4), 100 + 50 * (i / 4), 90, 41}, window,
                i < 2 ? kai : song);
    }
    for (int i = 0; i < 3; ++i) {
        control(L"BUTTON", L"GO", BS_PUSHBUTTON, {376, 40 + 120 * i, 49, 100}, window, song);
    }
    ShowWindow(window, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
