// A document (draw::Pages) on paper and in files: the printer's pages and
// the PNG pages drawn by the same GDI canvas, black on white, each at its
// own resolution; files written whole or not at all.
#pragma once

#include "export.hpp"

#include <windows.h>

#include <string>

namespace vornix::win32 {

// Every page on the printer, between StartDocW and EndDoc, laid out on the
// printer's whole sheet at its resolution; false when the printer refused.
bool print_document(HDC printer, draw::Pages& document, const std::wstring& title);

// Page `index` of `document` on a white A4 page at `dpi`, as a 24-bit DIB
// section; nullptr when it cannot be made. The caller deletes it.
HBITMAP page_bitmap(draw::Pages& document, std::size_t index, double dpi);

class Win32PageRenderer final : public draw::PageRenderer {
  public:
    // No PDF is written here: printing to "Microsoft Print to PDF" makes one.
    std::optional<std::string> pdf(draw::Pages&) override { return std::nullopt; }
    std::optional<std::string> png(draw::Pages& document, std::size_t index, double dpi) override;
    // A temporary file in the same folder, flushed, then moved over `path`.
    bool write_file(const std::string& path, std::string_view bytes) override;
    void remove_file(const std::string& path) override;
};

} // namespace vornix::win32
