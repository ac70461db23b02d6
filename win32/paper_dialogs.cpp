// The system's print and save dialogs (comdlg32, loaded when first used),
// and what follows them.
#include "paper.hpp"
#include "services.hpp"
#include "system.hpp"
#include "wide_text.hpp"

#include <commdlg.h>

#include <array>

namespace vornix::win32 {
namespace {

template <typename Function> Function dialog_call(const char* name) {
    HMODULE library = system_library(L"comdlg32.dll");
    return library == nullptr
               ? nullptr
               : reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

void free_print_dialog(PRINTDLGEXW& dialog) {
    if (dialog.hDC != nullptr) {
        DeleteDC(dialog.hDC);
    }
    GlobalFree(dialog.hDevMode);
    GlobalFree(dialog.hDevNames);
}

// The dialog starts on A4 in portrait, which the user may still change.
HGLOBAL a4_portrait() {
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DEVMODEW));
    if (auto* mode = memory != nullptr ? static_cast<DEVMODEW*>(GlobalLock(memory)) : nullptr) {
        mode->dmSize = sizeof(DEVMODEW);
        mode->dmSpecVersion = DM_SPECVERSION;
        mode->dmFields = DM_PAPERSIZE | DM_ORIENTATION;
        mode->dmPaperSize = DMPAPER_A4;
        mode->dmOrientation = DMORIENT_PORTRAIT;
        GlobalUnlock(memory);
    }
    return memory;
}

// The kind the dialog's filter chose, for a name typed without an ending.
constexpr std::array<const wchar_t*, 2> kEndings{L".png", L".svg"};

} // namespace

void DesktopServices::print(HWND owner, draw::Document& document) {
    using PrintDialog = HRESULT(WINAPI*)(PRINTDLGEXW*);
    const auto print_dialog = dialog_call<PrintDialog>("PrintDlgExW");
    start_com(); // the dialog runs in a single-threaded apartment
    PRINTDLGEXW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_NOCURRENTPAGE |
                   PD_USEDEVMODECOPIESANDCOLLATE;
    dialog.nStartPage = START_PAGE_GENERAL;
    dialog.hDevMode = a4_portrait();
    const HRESULT shown = print_dialog == nullptr ? E_NOTIMPL : print_dialog(&dialog);
    const bool chosen = SUCCEEDED(shown) && dialog.dwResultAction == PD_RESULT_PRINT;
    const bool cancelled = SUCCEEDED(shown) && !chosen;
    const bool printed =
        chosen && dialog.hDC != nullptr && print_document(dialog.hDC, document, L"Vornix 解题过程");
    free_print_dialog(dialog);
    if (!printed && !cancelled) {
        show_message(owner, L"无法打印：没有可用的打印机，或打印机没有接受这份文档.");
    }
}

void DesktopServices::save(HWND owner, draw::Document& document) {
    using SaveDialog = BOOL(WINAPI*)(OPENFILENAMEW*);
    const auto save_dialog = dialog_call<SaveDialog>("GetSaveFileNameW");
    std::array<wchar_t, 4 * MAX_PATH> path{};
    constexpr wchar_t kSuggested[] = L"解题过程.png";
    std::copy(std::begin(kSuggested), std::end(kSuggested), path.begin());
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = L"PNG 图像 (*.png)\0*.png\0SVG 图形 (*.svg)\0*.svg\0";
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrTitle = L"保存为";
    dialog.lpstrDefExt = L"png"; // follows the filter chosen
    dialog.Flags =
        OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (save_dialog == nullptr || !save_dialog(&dialog)) {
        return; // cancelled
    }
    std::string chosen = sysinfo::utf8(path.data());
    if (!draw::kind_of(chosen)) {
        const std::size_t filter = dialog.nFilterIndex == 2 ? 1 : 0;
        chosen += sysinfo::utf8(kEndings[filter]);
    }
    Win32PageRenderer renderer;
    const draw::Saved saved = draw::save_document(document, chosen, renderer);
    if (saved.outcome != draw::Saved::Outcome::Written) {
        show_message(owner, sysinfo::wide(saved.message));
    }
}

} // namespace vornix::win32
