#include "about_window.hpp"

#include "app_info.hpp"
#include "form.hpp"
#include "launcher.hpp"
#include "vornix_mark.hpp"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include <array>

namespace vornix::ui {
namespace {

using host::ControlKind;
using host::ControlSpec;
using host::kSystemColour;
constexpr ControlKind kLabel = ControlKind::Label;
constexpr ControlKind kButton = ControlKind::Button;
constexpr std::uint32_t kBlack = 0x00000000;

// clang-format off
constexpr std::array<ControlSpec, 7> kControls{{
//   name              kind                  caption                  left  top   width height font  text colour    tab  accessible name
    {"cmdOK",          kButton,              "确定",                   4125, 2625, 1500, 345,  {},   kSystemColour, 0,   "确定"},
    {"picIcon",        ControlKind::Picture, "",                      240,  240,  540,  540,  {},   kSystemColour, 1,   "Vornix 图标"},
    {"cmdSysInfo",     kButton,              "系统信息(&S)...",         4140, 3075, 1485, 345,  {},   kSystemColour, 2,   "系统信息"},
    {"lblDescription", kLabel,               "适用于中国大陆义务教育初中阶段学生", 1050, 1125, 3885, 1170, {},   kBlack,        3,   "适用对象"},
    {"lblDisclaimer",  kLabel,               "警告: 软件只用于研究学习，使用本软件造成的后果作者不予承担责任。传播请注明出处。  —— Vornix 开发组",
                                                                      255,  2625, 3630, 825,  {},   kBlack,        4,   "警告"},
    {"lblTitle",       kLabel,               "",                      1050, 240,  3885, 480,  {},   kBlack,        5,   "标题"},
    {"lblVersion",     kLabel,               "V: 1.0.1",              1050, 780,  3885, 225,  {},   kSystemColour, 6,   "版本"},
}};
// clang-format on

constexpr int kClientLeft = 2340;
constexpr int kClientTop = 1935;
constexpr int kClientWidth = 5730;
constexpr int kClientHeight = 3555;
constexpr int kIconPixels = 32;

struct RuleLine {
    int left;
    int right;
    int y;
    std::uint32_t colour;
    int pixels;
};
// Line1 elements 0 and 1, drawn in that order: white below, grey above, an etched rule.
constexpr std::array<RuleLine, 2> kRule{{
    {105, 5654, 2460, 0x00FFFFFF, 2},
    {90, 5654, 2445, 0x00808080, 1},
}};

} // namespace

AboutWindow::AboutWindow(host::Services& services) : services_(services) {
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("关于我的应用程序"));
    setFixedSize(host::twips_to_pixels(kClientWidth), host::twips_to_pixels(kClientHeight));
    host::build_controls(*this, kControls, nullptr);

    auto& icon = host::control<QLabel>(*this, "picIcon");
    icon.setAlignment(Qt::AlignCenter);
    icon.setPixmap(vornix_mark(kIconPixels, devicePixelRatioF()));

    auto& ok = host::control<QPushButton>(*this, "cmdOK");
    ok.setDefault(true);
    connect(&ok, &QPushButton::clicked, this, &QDialog::close);
    connect(&host::control<QPushButton>(*this, "cmdSysInfo"), &QPushButton::clicked, this,
            [this] { sysinfo::StartSysInfo(services_, this); });
    place_on_screen();
    load();
}

void AboutWindow::load() {
    const auto& app = host::kApplication;
    const QString title = QString::fromUtf8(app.title);
    setWindowTitle(QStringLiteral("关于 ") + title);
    host::control<QLabel>(*this, "lblVersion")
        .setText(QStringLiteral("版本 %1.%2.%3").arg(app.major).arg(app.minor).arg(app.revision));
    host::control<QLabel>(*this, "lblTitle").setText(title);
}

// The stored place, moved just enough to keep the whole window on a small screen.
void AboutWindow::place_on_screen() {
    QRect client(host::twips_to_pixels(kClientLeft), host::twips_to_pixels(kClientTop), width(),
                 height());
    if (const QScreen* screen = this->screen()) {
        const QRect available = screen->availableGeometry();
        client.moveLeft(std::max(available.left(),
                                 std::min(client.left(), available.right() + 1 - client.width())));
        client.moveTop(std::max(available.top(),
                                std::min(client.top(), available.bottom() + 1 - client.height())));
    }
    setGeometry(client);
}

void AboutWindow::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    for (const RuleLine& line : kRule) {
        painter.setPen(
            QPen(host::colour_from_bgr(line.colour), line.pixels, Qt::SolidLine, Qt::FlatCap));
        const int y = host::twips_to_pixels(line.y);
        painter.drawLine(host::twips_to_pixels(line.left), y, host::twips_to_pixels(line.right), y);
    }
}

} // namespace vornix::ui
