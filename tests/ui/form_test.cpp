#include "form.hpp"

#include <gtest/gtest.h>

namespace {

TEST(TwipsToPixels, FifteenTwipsMakeAPixelAt96DpiAndHalfAsManyAt192) {
    struct Row {
        int twips;
        int at_96;
        int at_192;
    };
    for (const Row row : {Row{0, 0, 0}, Row{15, 1, 2}, Row{615, 41, 82}, Row{6510, 434, 868},
                          Row{7, 0, 1}, Row{8, 1, 1}, Row{5654, 377, 754}, Row{105, 7, 14}}) {
        EXPECT_EQ(vornix::ui::twips_to_pixels(row.twips), row.at_96) << row.twips;
        EXPECT_EQ(vornix::ui::twips_to_pixels(row.twips, 192), row.at_192) << row.twips;
    }
}

} // namespace
