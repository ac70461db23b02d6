// The document on Qt's surfaces: a printer, a PDF (QPdfWriter), PNG images,
// and files written safely (QSaveFile: a temporary file, then renamed).
#pragma once

#include "document.hpp"
#include "export.hpp"

class QPagedPaintDevice;

namespace vornix::qt {

class QtPageRenderer final : public draw::PageRenderer {
  public:
    std::optional<std::string> pdf(draw::Pages& document) override;
    std::optional<std::string> png(draw::Pages& document, std::size_t index, double dpi) override;
    bool write_file(const std::string& path, std::string_view bytes) override;
    void remove_file(const std::string& path) override;
};

// Every page of the document on the device (a printer or a PDF writer), A4
// in portrait, black on white; false when the device would not paint.
bool paint_pages(draw::Pages& document, QPagedPaintDevice& device);

} // namespace vornix::qt
