#include "paper.hpp"

#include "gdi_canvas.hpp"
#include "gdi_plus.hpp"
#include "system.hpp"
#include "wide_text.hpp"

#include <objidl.h>

#include <cmath>

namespace vornix::win32 {
namespace {

// A stream in memory (ole32's, loaded when the first PNG is made), or nullptr.
IStream* memory_stream() {
    using Create = HRESULT(WINAPI*)(HGLOBAL, BOOL, IStream**);
    HMODULE ole = system_library(L"ole32.dll");
    const auto create = ole == nullptr ? nullptr
                                       : reinterpret_cast<Create>(reinterpret_cast<void*>(
                                             GetProcAddress(ole, "CreateStreamOnHGlobal")));
    IStream* stream = nullptr;
    return create != nullptr && SUCCEEDED(create(nullptr, TRUE, &stream)) ? stream : nullptr;
}

std::optional<std::string> contents_of(IStream& stream) {
    const LARGE_INTEGER start{};
    ULARGE_INTEGER end{};
    if (FAILED(stream.Seek(start, STREAM_SEEK_END, &end)) || end.QuadPart > 0x7FFFFFFF ||
        FAILED(stream.Seek(start, STREAM_SEEK_SET, nullptr))) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(end.QuadPart), '\0');
    ULONG read = 0;
    if (FAILED(stream.Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read)) ||
        read != bytes.size()) {
        return std::nullopt;
    }
    return bytes;
}

// The bitmap as a PNG that says its resolution, through GDI+'s encoder.
std::optional<std::string> png_of(HBITMAP bitmap, double dpi) {
    const GdiPlus& plus = gdi_plus();
    void* image = nullptr;
    if (!plus.ready || plus.bitmap_from_hbitmap(bitmap, nullptr, &image) != 0) {
        return std::nullopt;
    }
    plus.set_resolution(image, float(dpi), float(dpi));
    std::optional<std::string> bytes;
    if (IStream* stream = memory_stream()) {
        if (plus.save_to_stream(image, stream, &kPngEncoder, nullptr) == 0) {
            bytes = contents_of(*stream);
        }
        stream->Release();
    }
    plus.dispose_image(image);
    return bytes;
}

std::wstring folder_of(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"." : path.substr(0, slash + 1);
}

bool write_all(const std::wstring& path, std::string_view bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    bool written = true;
    for (std::size_t done = 0; written && done < bytes.size();) {
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 24));
        DWORD wrote = 0;
        written = WriteFile(file, bytes.data() + done, chunk, &wrote, nullptr) && wrote == chunk;
        done += wrote;
    }
    written = written && FlushFileBuffers(file);
    return CloseHandle(file) && written;
}

} // namespace

bool print_document(HDC printer, draw::Pages& document, const std::wstring& title) {
    // The layout's margins are from the sheet's edges, not from where the printer can print.
    const GdiCanvas::Surface sheet{
        {GetDeviceCaps(printer, PHYSICALWIDTH), GetDeviceCaps(printer, PHYSICALHEIGHT)},
        GetDeviceCaps(printer, LOGPIXELSX),
        {-GetDeviceCaps(printer, PHYSICALOFFSETX), -GetDeviceCaps(printer, PHYSICALOFFSETY)},
        true};
    CanvasFonts fonts;
    GdiCanvas canvas(printer, sheet, fonts);
    const std::size_t pages = document.lay_out(canvas);
    const DOCINFOW job{sizeof(DOCINFOW), title.c_str(), nullptr, nullptr, 0};
    if (StartDocW(printer, &job) <= 0) {
        return false;
    }
    for (std::size_t page = 0; page < pages; ++page) {
        if (StartPage(printer) <= 0) {
            AbortDoc(printer);
            return false;
        }
        document.draw_page(page, canvas);
        if (EndPage(printer) <= 0) {
            AbortDoc(printer);
            return false;
        }
    }
    return EndDoc(printer) > 0;
}

HBITMAP page_bitmap(draw::Pages& document, std::size_t index, double dpi) {
    const draw::PageSize size = draw::a4_pixels(dpi);
    BITMAPINFOHEADER header{sizeof header, size.width, -size.height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(memory, reinterpret_cast<BITMAPINFO*>(&header),
                                      DIB_RGB_COLORS, &bits, nullptr, 0);
    if (memory == nullptr || bitmap == nullptr) {
        DeleteDC(memory);
        DeleteObject(bitmap);
        return nullptr;
    }
    const HGDIOBJ old = SelectObject(memory, bitmap);
    const HGDIOBJ old_font = GetCurrentObject(memory, OBJ_FONT);
    {
        CanvasFonts fonts;
        GdiCanvas canvas(memory, {{size.width, size.height}, int(std::lround(dpi)), {0, 0}, true},
                         fonts);
        canvas.fill(draw::Ink::Paper);
        document.lay_out(canvas);
        document.draw_page(index, canvas);
        SelectObject(memory, old_font); // before the fonts go
    }
    GdiFlush();
    SelectObject(memory, old);
    DeleteDC(memory);
    return bitmap;
}

std::optional<std::string> Win32PageRenderer::png(draw::Pages& document, std::size_t index,
                                                  double dpi) {
    HBITMAP bitmap = page_bitmap(document, index, dpi);
    if (bitmap == nullptr) {
        return std::nullopt;
    }
    std::optional<std::string> bytes = png_of(bitmap, dpi);
    DeleteObject(bitmap);
    return bytes;
}

bool Win32PageRenderer::write_file(const std::string& path, std::string_view bytes) {
    const std::wstring target = sysinfo::wide(path);
    wchar_t temporary[MAX_PATH]{};
    if (GetTempFileNameW(folder_of(target).c_str(), L"vnx", 0, temporary) == 0) {
        return false;
    }
    if (!write_all(temporary, bytes) ||
        !MoveFileExW(temporary, target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temporary);
        return false;
    }
    return true;
}

void Win32PageRenderer::remove_file(const std::string& path) {
    DeleteFileW(sysinfo::wide(path).c_str());
}

} // namespace vornix::win32
