#include "paper.hpp"

#include "canvas_widget.hpp"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace vornix::qt {
namespace {

// A PDF's resolution: fine enough that no line or letter steps.
constexpr int kPdfDpi = 1200;

QString path_of(const std::string& path) {
    return QString::fromStdString(path);
}

} // namespace

bool paint_pages(draw::Pages& document, QPagedPaintDevice& device) {
    device.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const double dpi = device.logicalDpiX();
    PainterCanvas canvas(painter, device.width(), device.height(), dpi / 96, true);
    const std::size_t pages = document.lay_out(canvas);
    for (std::size_t page = 0; page < pages; ++page) {
        if (page > 0) {
            device.newPage();
        }
        document.draw_page(page, canvas);
    }
    return painter.end();
}

std::optional<std::string> QtPageRenderer::pdf(draw::Pages& document) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfDpi);
        writer.setCreator(QStringLiteral("Vornix"));
        writer.setTitle(QString::fromStdString(draw::page_foot(document.signature(), 0, 1)));
        if (!paint_pages(document, writer)) {
            return std::nullopt;
        }
    }
    return bytes.toStdString();
}

std::optional<std::string> QtPageRenderer::png(draw::Pages& document, std::size_t index,
                                               double dpi) {
    const draw::PageSize size = draw::a4_pixels(dpi);
    QImage image(size.width, size.height, QImage::Format_RGB32);
    const int dots_per_metre = static_cast<int>(dpi / 0.0254 + 0.5);
    image.setDotsPerMeterX(dots_per_metre);
    image.setDotsPerMeterY(dots_per_metre);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PainterCanvas canvas(painter, size.width, size.height, dpi / 96, true);
        document.lay_out(canvas);
        document.draw_page(index, canvas);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        return std::nullopt;
    }
    return bytes.toStdString();
}

bool QtPageRenderer::write_file(const std::string& path, std::string_view bytes) {
    QSaveFile file(path_of(path));
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void QtPageRenderer::remove_file(const std::string& path) {
    QFile::remove(path_of(path));
}

} // namespace vornix::qt
