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

constexpr int kSizes[] = {16, 32, 48, 64, 128, 256};

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

// An .ico whose images are stored as PNG, which Windows reads since Vista.
QByteArray ico_of(const std::vector<QByteArray>& pngs) {
    QByteArray ico;
    put<quint16>(ico, 0);
    put<quint16>(ico, 1);
    put<quint16>(ico, static_cast<quint16>(pngs.size()));
    quint32 offset = 6 + 16 * static_cast<quint32>(pngs.size());
    for (std::size_t i = 0; i < pngs.size(); ++i) {
        const int size = kSizes[i];
        ico.append(static_cast<char>(size >= 256 ? 0 : size));
        ico.append(static_cast<char>(size >= 256 ? 0 : size));
        ico.append('\0').append('\0');
        put<quint16>(ico, 1);
        put<quint16>(ico, 32);
        put<quint32>(ico, static_cast<quint32>(pngs[i].size()));
        put<quint32>(ico, offset);
        offset += static_cast<quint32>(pngs[i].size());
    }
    for (const QByteArray& png : pngs) {
        ico.append(png);
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
    std::vector<QByteArray> pngs;
    for (const int size : kSizes) {
        pngs.push_back(png_of(size));
        if (!write(out.filePath(QStringLiteral("vornix-%1.png").arg(size)), pngs.back())) {
            return 1;
        }
    }
    return write(out.filePath("vornix.ico"), ico_of(pngs)) ? 0 : 1;
}
