#include "main_window.hpp"

#include "about_window.hpp"
#include "calc.hpp"
#include "form.hpp"
#include "vornix_mark.hpp"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <array>

namespace vornix::ui {
namespace {

using host::ControlKind;
using host::ControlSpec;
using host::FontSpec;
using host::kSystemColour;
using host::Typeface;
constexpr ControlKind kEntry = ControlKind::EntryBox;
constexpr ControlKind kLabel = ControlKind::Label;
constexpr ControlKind kButton = ControlKind::Button;

constexpr FontSpec song(double points, bool underline = false) {
    return {Typeface::Song, points, underline};
}
constexpr FontSpec kai(double points) {
    return {Typeface::Kai, points, false};
}
constexpr FontSpec kSystemFont{};

constexpr std::uint32_t kAnswerColour = 0x000040C0;
constexpr std::uint32_t kLinkColour = 0x00FF0000;
constexpr std::uint32_t kLinkHoverColour = 0x000000FF;

// clang-format off
constexpr std::array<ControlSpec, 27> kControls{{
//   name        kind     caption                                   left  top   width height font                 text colour    tab  accessible name
    {"Text1",    kEntry,  "",                                       360,  600,  615,  615,  song(15.75),         kSystemColour, 0,   "二次项系数 a"},
    {"Text2",    kEntry,  "",                                       2040, 600,  615,  615,  song(15.75),         kSystemColour, 1,   "一次项系数 b"},
    {"Text3",    kEntry,  "",                                       3480, 600,  615,  615,  song(15.75),         kSystemColour, 2,   "常数项 c"},
    {"Label1",   kLabel,  "X^2+",                                   1080, 600,  855,  615,  song(21.75),         kSystemColour, 3,   "X 的平方加"},
    {"Label2",   kLabel,  "X+",                                     2760, 600,  615,  615,  song(21.75),         kSystemColour, 4,   "X 加"},
    {"Label3",   kLabel,  "=",                                      4200, 600,  615,  615,  song(21.75),         kSystemColour, 5,   "等于"},
    {"Label4",   kLabel,  "",                                       360,  1560, 4815, 615,  song(14.25),         kAnswerColour, 6,   "方程的解"},
    {"Command1", kButton, "GO",                                     5640, 600,  735,  1695, song(24),            kSystemColour, 7,   "解方程"},
    {"Label5",   kLabel,  "0",                                      4680, 600,  735,  615,  song(21.75),         kSystemColour, 8,   "零"},
    {"Label6",   kLabel,  "二次函数Vornix",                          120,  120,  5415, 495,  kai(15.75),          kSystemColour, 9,   "二次函数Vornix"},
    {"Command2",  kButton, "About",                                 120,  5400, 975,  375,  kSystemFont,         kSystemColour, 10,  "关于 Vornix"},
    {"Label7",   kLabel,  " 由坐标求一次函数式",                      0,    2520, 3375, 495,  kai(15.75),          kSystemColour, 11,  "由坐标求一次函数式"},
    {"Label8",   kLabel,  "坐标1",                                   240,  3240, 735,  375,  song(12),            kSystemColour, 12,  "坐标1"},
    {"Label9",   kLabel,  "坐标2",                                   3240, 3240, 735,  375,  song(12),            kSystemColour, 13,  "坐标2"},
    {"Text4",    kEntry,  "",                                       1200, 3120, 615,  615,  song(15.75),         kSystemColour, 14,  "坐标1 的 x"},
    {"Text5",    kEntry,  "",                                       2280, 3120, 615,  615,  song(15.75),         kSystemColour, 15,  "坐标1 的 y"},
    {"Text6",    kEntry,  "",                                       4200, 3120, 615,  615,  song(15.75),         kSystemColour, 16,  "坐标2 的 x"},
    {"Text7",    kEntry,  "",                                       5280, 3120, 615,  615,  song(15.75),         kSystemColour, 17,  "坐标2 的 y"},
    {"Label10",  kLabel,  "，",                                      1920, 2880, 375,  615,  song(36),            kSystemColour, 18,  "逗号"},
    {"Label11",  kLabel,  "，",                                      4920, 2880, 495,  615,  song(36),            kSystemColour, 19,  "逗号"},
    {"Label12",  kLabel,  "(",                                      960,  3240, 375,  975,  song(21.75),         kSystemColour, 20,  "左括号"},
    {"Label13",  kLabel,  ")",                                      2880, 3240, 375,  975,  song(21.75),         kSystemColour, 21,  "右括号"},
    {"Label14",  kLabel,  "(",                                      3840, 3240, 375,  975,  song(21.75),         kSystemColour, 22,  "左括号"},
    {"Label15",  kLabel,  ")",                                      5880, 3240, 375,  975,  song(21.75),         kSystemColour, 23,  "右括号"},
    {"Command3", kButton, "GO",                                     5640, 3960, 735,  1815, song(24),            kSystemColour, 24,  "求一次函数式"},
    {"Label16",  kLabel,  "",                                       360,  3960, 4695, 1215, song(12),            kSystemColour, 25,  "一次函数式"},
    {"Label17",  kLabel,  "提意见、建议，更多资讯？ 请到我空间留言",         1320, 5520, 4695, 375,  song(10.5, true),    kLinkColour,   26,  "提意见、建议的网页链接"},
}};
// clang-format on

constexpr int kClientWidth = 6510;
constexpr int kClientHeight = 5970;
constexpr std::uint32_t kBackground = 0x00C0C0C0;

// Line1, the rule between the two exercises.
constexpr int kRuleLeft = 0;
constexpr int kRuleRight = 6480;
constexpr int kRuleY = 2400;
constexpr int kRulePixels = 3;
constexpr std::uint32_t kRuleColour = 0x00404040;

const char* const kFaultMessage = "运算错误：除数为零或数值溢出，请检查输入的数字。";

std::string text_of(const QWidget& window, const char* name) {
    return host::control<QLineEdit>(window, name).text().toStdString();
}

} // namespace

MainWindow::MainWindow(host::Services& services, host::ProgramWindows& windows)
    : services_(services), windows_(windows) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("求根及点坐标运算"));
    resize(host::twips_to_pixels(kClientWidth), host::twips_to_pixels(kClientHeight));
    QPalette background = palette();
    background.setColor(QPalette::Window, host::colour_from_bgr(kBackground));
    setPalette(background);
    setAutoFillBackground(true);
    setMouseTracking(true);
    host::build_controls(*this, kControls, this);
    wire_buttons();
    setWindowIcon(vornix_icon());
    load();
}

// An About window still open when the program ends goes with it.
MainWindow::~MainWindow() {
    delete about_;
}

const QUrl& MainWindow::feedback_address() {
    static const QUrl address(QStringLiteral(VORNIX_FEEDBACK_URL));
    return address;
}

// One About window at a time, not modal and without an owner: made and loaded
// on first use, shown again while open, made anew once it has been closed.
void MainWindow::show_about() {
    if (about_.isNull()) {
        about_ = new AboutWindow(services_);
        windows_.track(*about_);
    }
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void MainWindow::load() {
    auto& link = host::control<QLabel>(*this, "Label17");
    QFont font = link.font();
    font.setUnderline(true);
    link.setFont(font);
    host::set_text_colour(link, kLinkColour);
}

void MainWindow::wire_buttons() {
    auto& quadratic_go = host::control<QPushButton>(*this, "Command1");
    auto& line_go = host::control<QPushButton>(*this, "Command3");
    connect(&quadratic_go, &QPushButton::clicked, this, [this] {
        solve_into(host::control<QLabel>(*this, "Label4"), [this] {
            return calc::solve_quadratic(text_of(*this, "Text1"), text_of(*this, "Text2"),
                                         text_of(*this, "Text3"));
        });
    });
    connect(&line_go, &QPushButton::clicked, this, [this] {
        solve_into(host::control<QLabel>(*this, "Label16"), [this] {
            return calc::solve_line(text_of(*this, "Text4"), text_of(*this, "Text5"),
                                    text_of(*this, "Text6"), text_of(*this, "Text7"));
        });
    });
    connect(&host::control<QPushButton>(*this, "Command2"), &QPushButton::clicked, this,
            &MainWindow::show_about);
    // Enter in an entry box presses the GO button of its own exercise.
    for (const char* name : {"Text1", "Text2", "Text3"}) {
        connect(&host::control<QLineEdit>(*this, name), &QLineEdit::returnPressed, &quadratic_go,
                &QPushButton::click);
    }
    for (const char* name : {"Text4", "Text5", "Text6", "Text7"}) {
        connect(&host::control<QLineEdit>(*this, name), &QLineEdit::returnPressed, &line_go,
                &QPushButton::click);
    }
}

void MainWindow::solve_into(QLabel& answer, const std::function<std::string()>& solve) {
    try {
        answer.setText(QString::fromStdString(solve()));
    } catch (const calc::ArithmeticFault&) {
        services_.show_message(this, QString::fromUtf8(kFaultMessage));
        return;
    }
    services_.announce(answer);
}

void MainWindow::offer_copy(QLabel& answer, const QPoint& where) {
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(QStringLiteral("复制"), this,
                    [&answer] { QGuiApplication::clipboard()->setText(answer.text()); });
    menu->popup(where);
}

void MainWindow::show_link_hovered(bool hovered) {
    host::set_text_colour(host::control<QLabel>(*this, "Label17"),
                          hovered ? kLinkHoverColour : kLinkColour);
    if (hovered) {
        setCursor(Qt::CrossCursor);
    } else {
        unsetCursor();
    }
}

void MainWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Not-xor: each pixel becomes the inverse of the line colour xor the pixel beneath.
    painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    QPen pen(host::colour_from_bgr(kRuleColour), kRulePixels);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    const int y = host::twips_to_pixels(kRuleY);
    painter.drawLine(host::twips_to_pixels(kRuleLeft), y, host::twips_to_pixels(kRuleRight), y);
}

void MainWindow::mouseMoveEvent(QMouseEvent*) {
    show_link_hovered(false);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const bool is_link = watched->objectName() == QLatin1String("Label17");
    switch (event->type()) {
    case QEvent::MouseMove:
        if (is_link) {
            show_link_hovered(true);
        }
        break;
    case QEvent::MouseButtonRelease:
        if (is_link && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            services_.open_url(this, feedback_address());
        }
        break;
    case QEvent::ContextMenu: {
        const QString name = watched->objectName();
        if (name == QLatin1String("Label4") || name == QLatin1String("Label16")) {
            offer_copy(*static_cast<QLabel*>(watched),
                       static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vornix::ui
