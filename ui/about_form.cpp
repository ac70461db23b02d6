#include "about_form.hpp"

#include "app_info.hpp"

#include <array>
#include <string>

namespace vornix::ui {
namespace {

constexpr ControlKind kLabel = ControlKind::Label;
constexpr ControlKind kButton = ControlKind::Button;
constexpr Colour kBlack = 0x00000000;
constexpr std::string_view kOk = "cmdOK";

// clang-format off
constexpr std::array<ControlRow, 7> kControls{{
//   name              kind                  caption                  left  top   width height font  text colour    tab  accessible name (empty: its text), description
    {"cmdOK",          kButton,              "确定",                   4125, 2625, 1500, 345,  {},   kSystemColour, 0,   ""},
    {"picIcon",        ControlKind::Picture, "",                      240,  240,  540,  540,  {},   kSystemColour, 1,   "Vornix 图标"},
    {"cmdSysInfo",     kButton,              "系统信息(&S)...",         4140, 3075, 1485, 345,  {},   kSystemColour, 2,   ""},
    {"lblDescription", kLabel,               "适用于中国大陆义务教育初中阶段学生", 1050, 1125, 3885, 1170, {},   kBlack,        3,   "", "适用对象"},
    {"lblDisclaimer",  kLabel,               "警告: 软件只用于研究学习，使用本软件造成的后果作者不予承担责任。传播请注明出处。  —— Vornix 开发组",
                                                                      255,  2625, 3630, 825,  {},   kBlack,        4,   "", "警告"},
    {"lblTitle",       kLabel,               "",                      1050, 240,  3885, 480,  {},   kBlack,        5,   "", "标题"},
    {"lblVersion",     kLabel,               "V: 1.0.1",              1050, 780,  3885, 225,  {},   kSystemColour, 6,   "", "版本"},
}};
// clang-format on

// Line1 elements 0 and 1, drawn in that order: white below, grey above, an etched rule.
constexpr std::array<Rule, 2> kRules{{
    {105, 5654, 2460, 0x00FFFFFF, 2},
    {90, 5654, 2445, 0x00808080, 1},
}};

// The caption is replaced at load.
constexpr WindowFrame kFrame{
    "关于我的应用程序",    5730,  3555, kSystemColour, WindowFrame::Style::FixedDialog,
    std::pair{2340, 1935}, kRules};

} // namespace

std::span<const ControlRow> AboutForm::table() {
    return kControls;
}

const WindowFrame& AboutForm::window() {
    return kFrame;
}

void AboutForm::load() {
    view_.set_window_caption(std::string("关于 ") + kApplication.title);
    view_.set_caption("lblVersion", "版本 " + version_number());
    view_.set_caption("lblTitle", kApplication.title);
}

void AboutForm::clicked(std::string_view control) {
    if (control == kOk) {
        view_.close();
    } else if (control == "cmdSysInfo") {
        sysinfo::StartSysInfo(registry_, view_);
    }
}

bool AboutForm::key_pressed(std::string_view control, Key key) {
    if (key == Key::Escape) {
        clicked(kOk);
        return true;
    }
    return Form::key_pressed(control, key);
}

std::string_view AboutForm::default_button(std::string_view) const {
    return kOk;
}

} // namespace vornix::ui
