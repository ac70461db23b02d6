#include "export.hpp"

#include "svg_canvas.hpp"

#include <algorithm>
#include <cctype>

namespace vornix::draw {
namespace {

bool ends_with_any_case(std::string_view path, std::string_view ending) {
    return path.size() >= ending.size() &&
           std::ranges::equal(path.substr(path.size() - ending.size()), ending,
                              [](char a, char b) { return std::tolower(a) == b; });
}

// The files' contents, page by page, or why there are none.
std::optional<std::vector<std::string>> contents(Pages& document, FileKind kind,
                                                 PageRenderer& renderer) {
    std::vector<std::string> made;
    switch (kind) {
    case FileKind::Svg:
        return svg_pages(document);
    case FileKind::Pdf:
        if (auto pdf = renderer.pdf(document)) {
            made.push_back(std::move(*pdf));
            return made;
        }
        return std::nullopt;
    case FileKind::Png: {
        for (std::size_t page = 0; page < std::max<std::size_t>(document.pages(), 1); ++page) {
            auto png = renderer.png(document, page, kPngDpi);
            if (!png) {
                return std::nullopt;
            }
            made.push_back(std::move(*png));
        }
        return made;
    }
    }
    return std::nullopt;
}

} // namespace

std::optional<FileKind> kind_of(std::string_view path) {
    if (ends_with_any_case(path, ".pdf")) {
        return FileKind::Pdf;
    }
    if (ends_with_any_case(path, ".png")) {
        return FileKind::Png;
    }
    if (ends_with_any_case(path, ".svg")) {
        return FileKind::Svg;
    }
    return std::nullopt;
}

std::vector<std::string> svg_pages(Pages& document) {
    const PageSize page = a4_pixels(96);
    SvgCanvas measuring(page.width, page.height);
    const std::size_t count = document.lay_out(measuring);
    std::vector<std::string> pages;
    for (std::size_t index = 0; index < count; ++index) {
        SvgCanvas canvas(page.width, page.height);
        document.draw_page(index, canvas);
        pages.push_back(canvas.document(document.foot(index), true));
    }
    return pages;
}

std::string suffixed_name(const std::string& path, std::string_view suffix) {
    const std::size_t slash = path.find_last_of("/\\");
    const std::size_t dot = path.rfind('.');
    const std::size_t stem_end =
        dot != std::string::npos && (slash == std::string::npos || dot > slash) ? dot : path.size();
    return path.substr(0, stem_end) + "-" + std::string(suffix) + path.substr(stem_end);
}

std::vector<std::string> numbered_names(const std::string& path, std::size_t count) {
    if (count <= 1) {
        return {path};
    }
    std::vector<std::string> names;
    for (std::size_t page = 1; page <= count; ++page) {
        names.push_back(suffixed_name(path, std::to_string(page)));
    }
    return names;
}

Saved save_document(Pages& document, const std::string& path, PageRenderer& renderer) {
    const DocumentFile file{&document, path};
    return save_documents({&file, 1}, renderer);
}

Saved save_documents(std::span<const DocumentFile> files, PageRenderer& renderer) {
    Saved saved;
    // Each file's name and bytes, all made before the first is written.
    std::vector<std::pair<std::string, std::string>> made;
    for (const DocumentFile& file : files) {
        const std::optional<FileKind> kind = kind_of(file.path);
        if (!kind) {
            saved.outcome = Saved::Outcome::UnknownKind;
            saved.message = "无法保存为 " + file.path + "：文件名须以 .png、.svg 或 .pdf 结尾.";
            return saved;
        }
        std::optional<std::vector<std::string>> pages = contents(*file.document, *kind, renderer);
        if (!pages) {
            saved.outcome = Saved::Outcome::Unsupported;
            saved.message = *kind == FileKind::Pdf
                                ? "这里不能直接写 PDF 文件：请用“打印”，选“Microsoft Print to PDF”."
                                : "无法生成 " + file.path + " 的图像.";
            return saved;
        }
        const std::vector<std::string> names = numbered_names(file.path, pages->size());
        for (std::size_t i = 0; i < names.size(); ++i) {
            made.emplace_back(names[i], std::move((*pages)[i]));
        }
    }
    for (const auto& [name, bytes] : made) {
        if (!renderer.write_file(name, bytes)) {
            for (const std::string& written : saved.files) {
                renderer.remove_file(written);
            }
            saved.files.clear();
            saved.outcome = Saved::Outcome::Failed;
            saved.message = "无法写入文件 " + name + "：请检查文件夹是否存在、能否写入.";
            return saved;
        }
        saved.files.push_back(name);
    }
    return saved;
}

} // namespace vornix::draw
