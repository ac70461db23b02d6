#include "units.hpp"

#include <QFontInfo>
#include <gtest/gtest.h>

using namespace vornix::qt;
using vornix::ui::Typeface;

namespace {

TEST(ColourFromBgr, ReadsBlueGreenRedFromHighToLow) {
    EXPECT_EQ(colour_from_bgr(0x00FF0000), QColor(0, 0, 255));
    EXPECT_EQ(colour_from_bgr(0x000000FF), QColor(255, 0, 0));
    EXPECT_EQ(colour_from_bgr(0x000040C0), QColor(0xC0, 0x40, 0x00));
    EXPECT_EQ(colour_from_bgr(0x00C0C0C0), QColor(0xC0, 0xC0, 0xC0));
}

TEST(MakeFont, SongAndKaiAskForTheDesignedFamilyFirstThenDebiansFaces) {
    const QFont song = make_font({Typeface::Song, 15.75, false});
    ASSERT_GE(song.families().size(), 3);
    EXPECT_EQ(song.families().front(), QStringLiteral("宋体"));
    EXPECT_TRUE(song.families().contains("AR PL UMing CN"));
    EXPECT_DOUBLE_EQ(song.pointSizeF(), 15.75);
    EXPECT_FALSE(song.italic());
    EXPECT_EQ(song.weight(), QFont::Normal);

    const QFont kai = make_font({Typeface::Kai, 12, true});
    EXPECT_EQ(kai.families().front(), QStringLiteral("楷体_GB2312"));
    EXPECT_TRUE(kai.families().contains("AR PL UKai CN"));
    EXPECT_TRUE(kai.underline());
}

TEST(MakeFont, ResolvesToAnInstalledSongOrKaiFace) {
    // The set-up script installs fonts-arphic-uming and fonts-arphic-ukai.
    EXPECT_EQ(QFontInfo(make_font({Typeface::Song, 12, false})).family(), "AR PL UMing CN");
    EXPECT_EQ(QFontInfo(make_font({Typeface::Kai, 12, false})).family(), "AR PL UKai CN");
}

} // namespace
