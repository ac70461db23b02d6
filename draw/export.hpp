// Documents into files: by the name's ending, one PDF, or one PNG or SVG a
// page ("key.svg", or "key-1.svg", "key-2.svg", … when there are several).
// Every page of every document is made before any file is written; each file
// is written under a temporary name and renamed, and when one cannot be
// written those already written go again: the user finds all the files or none.
#pragma once

#include "document.hpp"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vornix::draw {

enum class FileKind { Pdf, Png, Svg };

// The kind a file name asks for by its ending (any case), or nothing.
std::optional<FileKind> kind_of(std::string_view path);

// What a toolkit adds: the kinds of file only it can draw, and safe writing.
class PageRenderer {
  public:
    virtual ~PageRenderer() = default;
    // The whole document as a PDF; nothing where the toolkit writes no PDF.
    virtual std::optional<std::string> pdf(Pages& document) = 0;
    // Page `index` as a PNG image at `dpi`; nothing when it cannot be made.
    virtual std::optional<std::string> png(Pages& document, std::size_t index, double dpi) = 0;
    // The bytes under a temporary name beside `path`, then renamed to it;
    // false (and nothing left under `path`) when that failed.
    virtual bool write_file(const std::string& path, std::string_view bytes) = 0;
    virtual void remove_file(const std::string& path) = 0;
};

// PNG pages are drawn at 300 dots an inch: an A4 page is 2480 by 3508 pixels.
inline constexpr double kPngDpi = 300;

// Every page as an SVG of its own, an A4 page in millimetres.
std::vector<std::string> svg_pages(Pages& document);

// The names of `count` files for `path`: the name itself for one; else the
// page's number after "-" before the ending.
std::vector<std::string> numbered_names(const std::string& path, std::size_t count);
// `path` with "-" and `suffix` before its ending: "sheet-A.pdf", "folder.v2/sheet-A".
std::string suffixed_name(const std::string& path, std::string_view suffix);

struct Saved {
    enum class Outcome { Written, UnknownKind, Unsupported, Failed };
    Outcome outcome = Outcome::Written;
    std::vector<std::string> files; // what was written
    std::string message;            // why not, in Chinese, naming the file
};

Saved save_document(Pages& document, const std::string& path, PageRenderer& renderer);

// A document and the file it goes into.
struct DocumentFile {
    Pages* document;
    std::string path;
};

// Every document into its file, all of them or none: nothing is written when
// one name has no known ending or one kind cannot be made, and what was
// written goes again when one file cannot be written.
Saved save_documents(std::span<const DocumentFile> files, PageRenderer& renderer);

} // namespace vornix::draw
