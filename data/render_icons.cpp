// Build tool: writes the Vornix mark as the PNG icons of the hicolor theme
// and as a Windows .ico, from the same drawing as the window icon.
// Usage: vornix_render_icons <output folder>
#include "vornix_mark.hpp"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QtEndian>

#include <cstdio>
#include <vector>

namespace {

// The hicolor theme's sizes, and the .ico's: Windows takes 20, 24 and 40
// pixels for the title bar and Alt+Tab at 125 % and 150 %.
constexpr int kSizes[] = {16, 32, 48, 64, 128, 256};
constexpr int kIcoSizes[] = {16, 20, 24, 32, 40, 48, 64, 128, 256};

QByteArray png_of(int size) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    vornix::qt::vornix_mark_image(size).save(&buffer, "PNG");
    return bytes;
}

template <typename T> void put(QByteArray& out, T value) {
    const T little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&little), sizeof little);
}

// A 32-bit device-independent bitmap as an .ico stores it: the colours bottom
// up, then a one-bit mask that marks the fully transparent pixels.
QByteArray dib_of(int size) {
    const QImage image = vornix::qt::vornix_mark_image(size).convertToFormat(QImage::Format_ARGB32);
    const int mask_row_bytes = ((size + 31) / 32) * 4;
    QByteArray dib;
    put<quint32>(dib, 40);
    put<qint32>(dib, size);
    put<qint32>(dib, 2 * size); // the colours and the mask
    put<quint16>(dib, 1);
    put<quint16>(dib, 32);
    put<quint32>(dib, 0);
    put<quint32>(dib, static_cast<quint32>(size * size * 4 + mask_row_bytes * size));
    dib.append(16, '\0');
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            put<quint32>(dib, image.pixel(x, y));
        }
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(mask_row_bytes, '\0');
        for (int x = 0; x < size; ++x) {
            if (qAlpha(image.pixel(x, y)) == 0) {
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
        dib.append(row);
    }
    return dib;
}

// An .ico for every Windows: bitmaps up to 48 pixels, and PNG at 256, which
// Windows reads since Vista; the title bar and the taskbar use the bitmaps.
QByteArray ico_of() {
    QByteArray ico;
    put<quint16>(ico, 0);
    put<quint16>(ico, 1);
    put<quint16>(ico, static_cast<quint16>(std::size(kIcoSizes)));
    std::vector<QByteArray> images;
    for (const int size : kIcoSizes) {
        images.push_back(size <= 48 ? dib_of(size) : png_of(size));
    }
    quint32 offset = 6 + 16 * static_cast<quint32>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int size = kIcoSizes[i];
        ico.append(static_cast<char>(size >= 256 ? 0 : size));
        ico.append(static_cast<char>(size >= 256 ? 0 : size));
        ico.append('\0').append('\0');
        put<quint16>(ico, 1);
        put<quint16>(ico, 32);
        put<quint32>(ico, static_cast<quint32>(images[i].size()));
        put<quint32>(ico, offset);
        offset += static_cast<quint32>(images[i].size());
    }
    for (const QByteArray& image : images) {
        ico.append(image);
    }
    return ico;
}

bool write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (const int size : kSizes) {
        if (!write(out.filePath(QStringLiteral("vornix-%1.png").arg(size)), png_of(size))) {
            return 1;
        }
    }
    return write(out.filePath("vornix.ico"), ico_of()) ? 0 : 1;
}
