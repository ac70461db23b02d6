// The working window's controls, one table for each exercise's window.
#include "working_form.hpp"

#include <array>

namespace vornix::ui {
namespace {

constexpr ControlKind kLabel = ControlKind::Label;
constexpr ControlKind kOption = ControlKind::Option;
constexpr ControlKind kButton = ControlKind::Button;
constexpr ControlKind kCanvas = ControlKind::Canvas;
constexpr ControlKind kEntry = ControlKind::EntryBox;
constexpr ControlKind kCheckBox = ControlKind::CheckBox;
constexpr Font kMethodFont{Typeface::Song, 10.5, false};
constexpr Font kWorkingFont{Typeface::Song, 12, false};

// clang-format off
constexpr std::array<ControlRow, 26> kQuadraticControls{{
//   name            kind       caption            left  top   width height font          text colour    tab accessible name (empty: its text), description
    {"optSolve",     kOption,   "解方程(&J)",       120,  120,  1500, 360,  {},           kSystemColour, 0,  "解方程"},
    {"optFunction",  kOption,   "函数的性质(&H)",    1680, 120,  1800, 360,  {},           kSystemColour, 1,  "函数的性质"},
    {"lblMethod",    kLabel,    "解法：",           120,  585,  660,  300,  kMethodFont,  kSystemColour, 2,  ""},
    {"optFormula",   kOption,   "公式法(&G)",       780,  540,  1260, 360,  {},           kSystemColour, 3,  "公式法"},
    {"optSquare",    kOption,   "配方法(&P)",       2100, 540,  1260, 360,  {},           kSystemColour, 4,  "配方法"},
    {"optFactor",    kOption,   "因式分解法(&Y)",    3420, 540,  1740, 360,  {},           kSystemColour, 5,  "因式分解法"},
    {"picWorking",   kCanvas,   "",                120,  1020, 5640, 3900, kWorkingFont, kSystemColour, 6,  "解题过程"},
    {"lblAnswer",    kLabel,    "我的答案(&A)：",    120,  5085, 1260, 300,  kMethodFont,  kSystemColour, 7,  ""},
    {"txtAnswer",    kEntry,    "",                1380, 5040, 3120, 360,  {},           kSystemColour, 8,  "我的答案"},
    {"cmdCheck",     kButton,   "检查(&K)",         4620, 5025, 1140, 390,  {},           kSystemColour, 9,  "检查"},
    {"lblVerdict",   kLabel,    "",                120,  5490, 5640, 900,  kMethodFont,  kSystemColour, 10, "", "批改"},
    {"chkHide",      kCheckBox, "先做后看(&T)",     120,  6480, 1440, 360,  {},           kSystemColour, 11, "先做后看"},
    {"cmdReveal",    kButton,   "显示过程(&X)",     1620, 6465, 1380, 390,  {},           kSystemColour, 12, "显示过程"},
    {"cmdNext",      kButton,   "换一题(&N)",       3120, 6465, 1260, 390,  {},           kSystemColour, 13, "换一题"},
    {"lblLevel",     kLabel,    "难度：",           120,  6975, 660,  300,  kMethodFont,  kSystemColour, 14, ""},
    {"optLevel1",    kOption,   "1级(&1)",         780,  6930, 840,  360,  {},           kSystemColour, 15, "1级", "难度"},
    {"optLevel2",    kOption,   "2级(&2)",         1680, 6930, 840,  360,  {},           kSystemColour, 16, "2级", "难度"},
    {"optLevel3",    kOption,   "3级(&3)",         2580, 6930, 840,  360,  {},           kSystemColour, 17, "3级", "难度"},
    {"lblPractice",  kLabel,    "",                120,  7425, 5640, 300,  kMethodFont,  kSystemColour, 18, ""},
    {"picGraph",     kCanvas,   "",                5880, 120,  5700, 7620, {},           kSystemColour, 19, "函数的图像"},
    {"cmdCopyText",  kButton,   "复制过程(&C)",     120,  7860, 1500, 375,  {},           kSystemColour, 20, ""},
    {"cmdCopyGraph", kButton,   "复制图像(&I)",     1740, 7860, 1500, 375,  {},           kSystemColour, 21, ""},
    {"cmdPrint",     kButton,   "打印(&D)...",      3360, 7860, 1260, 375,  {},           kSystemColour, 22, "打印"},
    {"cmdSave",      kButton,   "保存为(&S)...",    4740, 7860, 1500, 375,  {},           kSystemColour, 23, "保存为"},
    {"lblZoom",      kLabel,    "",                6480, 7905, 1500, 300,  kMethodFont,  kSystemColour, 24, ""},
    {"cmdClose",     kButton,   "关闭",             10080, 7860, 1500, 375, {},           kSystemColour, 25, ""},
}};

constexpr std::array<ControlRow, 23> kLineControls{{
    {"optSolve",     kOption,   "求解析式(&J)",     120,  120,  1620, 360,  {},           kSystemColour, 0,  "求解析式"},
    {"optFunction",  kOption,   "函数的性质(&H)",    1800, 120,  1800, 360,  {},           kSystemColour, 1,  "函数的性质"},
    {"lblMethod",    kLabel,    "解法：待定系数法",   120,  585,  5640, 300,  kMethodFont,  kSystemColour, 2,  ""},
    {"picWorking",   kCanvas,   "",                120,  1020, 5640, 3900, kWorkingFont, kSystemColour, 6,  "解题过程"},
    {"lblAnswer",    kLabel,    "我的答案(&A)：",    120,  5085, 1260, 300,  kMethodFont,  kSystemColour, 7,  ""},
    {"txtAnswer",    kEntry,    "",                1380, 5040, 3120, 360,  {},           kSystemColour, 8,  "我的答案"},
    {"cmdCheck",     kButton,   "检查(&K)",         4620, 5025, 1140, 390,  {},           kSystemColour, 9,  "检查"},
    {"lblVerdict",   kLabel,    "",                120,  5490, 5640, 900,  kMethodFont,  kSystemColour, 10, "", "批改"},
    {"chkHide",      kCheckBox, "先做后看(&T)",     120,  6480, 1440, 360,  {},           kSystemColour, 11, "先做后看"},
    {"cmdReveal",    kButton,   "显示过程(&X)",     1620, 6465, 1380, 390,  {},           kSystemColour, 12, "显示过程"},
    {"cmdNext",      kButton,   "换一题(&N)",       3120, 6465, 1260, 390,  {},           kSystemColour, 13, "换一题"},
    {"lblLevel",     kLabel,    "难度：",           120,  6975, 660,  300,  kMethodFont,  kSystemColour, 14, ""},
    {"optLevel1",    kOption,   "1级(&1)",         780,  6930, 840,  360,  {},           kSystemColour, 15, "1级", "难度"},
    {"optLevel2",    kOption,   "2级(&2)",         1680, 6930, 840,  360,  {},           kSystemColour, 16, "2级", "难度"},
    {"optLevel3",    kOption,   "3级(&3)",         2580, 6930, 840,  360,  {},           kSystemColour, 17, "3级", "难度"},
    {"lblPractice",  kLabel,    "",                120,  7425, 5640, 300,  kMethodFont,  kSystemColour, 18, ""},
    {"picGraph",     kCanvas,   "",                5880, 120,  5700, 7620, {},           kSystemColour, 19, "函数的图像"},
    {"cmdCopyText",  kButton,   "复制过程(&C)",     120,  7860, 1500, 375,  {},           kSystemColour, 20, ""},
    {"cmdCopyGraph", kButton,   "复制图像(&I)",     1740, 7860, 1500, 375,  {},           kSystemColour, 21, ""},
    {"cmdPrint",     kButton,   "打印(&D)...",      3360, 7860, 1260, 375,  {},           kSystemColour, 22, "打印"},
    {"cmdSave",      kButton,   "保存为(&S)...",    4740, 7860, 1500, 375,  {},           kSystemColour, 23, "保存为"},
    {"lblZoom",      kLabel,    "",                6480, 7905, 1500, 300,  kMethodFont,  kSystemColour, 24, ""},
    {"cmdClose",     kButton,   "关闭",             10080, 7860, 1500, 375, {},           kSystemColour, 25, ""},
}};
// clang-format on

constexpr WindowFrame kQuadraticFrame{"解题过程 — 一元二次方程", 11700, 8400, kSystemColour,
                                      WindowFrame::Style::Resizable};
constexpr WindowFrame kLineFrame{"解题过程 — 一次函数", 11700, 8400, kSystemColour,
                                 WindowFrame::Style::Resizable};

} // namespace

std::span<const ControlRow> WorkingForm::table(Topic topic) {
    return topic == Topic::Quadratic ? std::span<const ControlRow>(kQuadraticControls)
                                     : std::span<const ControlRow>(kLineControls);
}

const WindowFrame& WorkingForm::window(Topic topic) {
    return topic == Topic::Quadratic ? kQuadraticFrame : kLineFrame;
}

} // namespace vornix::ui
