// The Windows build takes the committed .ico: it must hold the pictures the
// mark draws today, at every size, up to the rounding of antialiased edges,
// which differs a little from processor to processor.
#include <QImageReader>
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

namespace {

std::map<int, QImage> pictures_of(const char* ico) {
    QImageReader reader(QString::fromUtf8(ico));
    std::map<int, QImage> pictures;
    for (int i = 0; i < reader.imageCount() && reader.jumpToImage(i); ++i) {
        const QImage picture = reader.read().convertToFormat(QImage::Format_ARGB32);
        pictures[picture.width()] = picture;
    }
    return pictures;
}

int largest_difference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            for (const int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q),
                                qAlpha(p) - qAlpha(q)}) {
                largest = std::max(largest, std::abs(d));
            }
        }
    }
    return largest;
}

TEST(CommittedWindowsIcon, HoldsTheDrawnPicturesAtEverySize) {
    const std::map<int, QImage> drawn = pictures_of(VORNIX_DRAWN_ICO);
    const std::map<int, QImage> committed = pictures_of(VORNIX_COMMITTED_ICO);
    ASSERT_EQ(drawn.size(), 9u) << "16, 20, 24, 32, 40, 48, 64, 128 and 256 pixels";
    ASSERT_EQ(committed.size(), drawn.size());
    for (const auto& [size, picture] : drawn) {
        ASSERT_TRUE(committed.contains(size)) << size;
        EXPECT_LE(largest_difference(picture, committed.at(size)), 8) << size;
    }
}

} // namespace
