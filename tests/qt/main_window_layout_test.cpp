#include "main_window_fixture.hpp"

#include <QAccessible>
#include <QFontInfo>

namespace vornix::testing {
namespace {

struct Placement {
    const char* name;
    QRect pixels;
    const char* caption;
    const char* family;
    double points;
};

// The window's control table, converted by hand at 15 twips to a pixel.
// clang-format off
const Placement kPlacements[] = {
    {"Text1",    {24, 40, 41, 41},    "",                                 "宋体",        15.75},
    {"Text2",    {136, 40, 41, 41},   "",                                 "宋体",        15.75},
    {"Text3",    {232, 40, 41, 41},   "",                                 "宋体",        15.75},
    {"Label1",   {72, 40, 57, 41},    "X^2+",                             "宋体",        21.75},
    {"Label2",   {184, 40, 41, 41},   "X+",                               "宋体",        21.75},
    {"Label3",   {280, 40, 41, 41},   "=",                                "宋体",        21.75},
    {"Label4",   {24, 104, 321, 41},  "",                                 "宋体",        14.25},
    {"Command1", {376, 40, 49, 113},  "GO",                               "宋体",        24},
    {"Label5",   {312, 40, 49, 41},   "0",                                "宋体",        21.75},
    {"Label6",   {8, 8, 361, 33},     "二次函数Vornix",                     "楷体_GB2312", 15.75},
    {"Command2", {8, 360, 65, 25},    "About",                            nullptr,       0},
    {"Label7",   {0, 168, 225, 33},   " 由坐标求一次函数式",                 "楷体_GB2312", 15.75},
    {"Label8",   {16, 216, 49, 25},   "坐标1",                             "宋体",        12},
    {"Label9",   {216, 216, 49, 25},  "坐标2",                             "宋体",        12},
    {"Text4",    {80, 208, 41, 41},   "",                                 "宋体",        15.75},
    {"Text5",    {152, 208, 41, 41},  "",                                 "宋体",        15.75},
    {"Text6",    {280, 208, 41, 41},  "",                                 "宋体",        15.75},
    {"Text7",    {352, 208, 41, 41},  "",                                 "宋体",        15.75},
    {"Label10",  {128, 192, 25, 41},  "\uFF0C",                           "宋体",        36},
    {"Label11",  {328, 192, 33, 41},  "\uFF0C",                           "宋体",        36},
    {"Label12",  {64, 216, 25, 65},   "(",                                "宋体",        21.75},
    {"Label13",  {192, 216, 25, 65},  ")",                                "宋体",        21.75},
    {"Label14",  {256, 216, 25, 65},  "(",                                "宋体",        21.75},
    {"Label15",  {392, 216, 25, 65},  ")",                                "宋体",        21.75},
    {"Command3", {376, 264, 49, 121}, "GO",                               "宋体",        24},
    {"Label16",  {24, 264, 313, 81},  "",                                 "宋体",        12},
    {"Label17",  {88, 368, 313, 25},  "提意见、建议，更多资讯？ 请到我空间留言", "宋体",        10.5},
};
// clang-format on

QString caption_of(QWidget& widget) {
    if (auto* label = qobject_cast<QLabel*>(&widget)) {
        return label->text();
    }
    if (auto* button = qobject_cast<QPushButton*>(&widget)) {
        return button->text();
    }
    return static_cast<QLineEdit&>(widget).text();
}

TEST_F(MainWindowTest, EveryControlHasItsPlaceCaptionAndFont) {
    EXPECT_EQ(window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(),
              std::size(kPlacements));
    for (const Placement& row : kPlacements) {
        QWidget& widget = get(row.name);
        EXPECT_EQ(widget.geometry(), row.pixels) << row.name;
        EXPECT_EQ(caption_of(widget), QString::fromUtf8(row.caption)) << row.name;
        // Answers are read by their text, which is empty before the first GO.
        const QString spoken =
            QAccessible::queryAccessibleInterface(&widget)->text(QAccessible::Name);
        EXPECT_EQ(spoken.isEmpty(), row.caption[0] == '\0' && widget.inherits("QLabel"))
            << row.name;
        if (row.family == nullptr) {
            EXPECT_EQ(widget.font().family(), QApplication::font().family()) << row.name;
            continue;
        }
        EXPECT_EQ(widget.font().families().front(), QString::fromUtf8(row.family)) << row.name;
        EXPECT_DOUBLE_EQ(widget.font().pointSizeF(), row.points) << row.name;
        EXPECT_EQ(widget.font().underline(), row.name == std::string("Label17")) << row.name;
    }
}

TEST_F(MainWindowTest, WindowHasItsCaptionSizeBackgroundAndFrame) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("求根及点坐标运算"));
    EXPECT_EQ(window.size(), QSize(434, 398));
    EXPECT_EQ(window.palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(MainWindowTest, ColoursOfTheAnswerAndTheLinkAfterLoad) {
    EXPECT_EQ(get<QLabel>("Label4").palette().color(QPalette::WindowText), QColor(0xC0, 0x40, 0));
    EXPECT_EQ(get<QLabel>("Label17").palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(get<QLabel>("Label1").palette().color(QPalette::WindowText),
              QApplication::palette().color(QPalette::ButtonText));
}

TEST_F(MainWindowTest, TabWalksEntryBoxesButtonsAndTheLinkInTableOrder) {
    const QStringList expected{"Text1", "Text2", "Text3", "Command1", "Command2", "Text4",
                               "Text5", "Text6", "Text7", "Command3", "Label17"};
    QStringList visited;
    QWidget* widget = &get("Text1");
    do {
        if (widget->focusPolicy() & Qt::TabFocus) {
            visited << widget->objectName();
        }
        widget = widget->nextInFocusChain();
    } while (widget != &get("Text1"));
    EXPECT_EQ(visited, expected);
}

TEST_F(MainWindowTest, EntryBoxesAndButtonsLieAboveTheLabelsTheyOverlap) {
    // Command1 covers the right end of Label5; Text6 the right end of Label14.
    EXPECT_EQ(window.childAt(377, 45), &get("Command1"));
    EXPECT_EQ(window.childAt(281, 220), &get("Text6"));
    EXPECT_EQ(window.childAt(313, 45), &get("Label5"));
}

TEST_F(MainWindowTest, RuleShowsMidGreyOverTheBackground) {
    const QImage image = window.grab().toImage();
    EXPECT_EQ(image.pixelColor(200, 160), QColor(0x7F, 0x7F, 0x7F));
    EXPECT_EQ(image.pixelColor(10, 159), QColor(0x7F, 0x7F, 0x7F));
    EXPECT_EQ(image.pixelColor(200, 156), QColor(0xC0, 0xC0, 0xC0));
}

TEST_F(MainWindowTest, ChineseCaptionsUseTheSongAndKaiFaces) {
    EXPECT_EQ(QFontInfo(get("Label8").font()).family(), "AR PL UMing CN");
    EXPECT_EQ(QFontInfo(get("Label6").font()).family(), "AR PL UKai CN");
}

} // namespace
} // namespace vornix::testing
