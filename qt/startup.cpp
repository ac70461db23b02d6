#include "startup.hpp"

#include "app_info.hpp"
#include "command_line.hpp"
#include "paper.hpp"

#include <QApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace vornix::qt {
namespace {

using ui::kApplication;

// The options QGuiApplication and its platform plugins read themselves.
constexpr std::array<ui::ToolkitOption, 31> kQtOptions{{
    {"platform", true,
     "-platform NAME    图形界面平台，如 xcb、wayland / the Qt platform, e.g. xcb, wayland"},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qwindowgeometry", true},
    {"qwindowtitle", true},
    {"qwindowicon", true},
    {"qmljsdebugger", true},
    {"reverse", false},
    {"session", true},
    {"style", true},
    {"stylesheet", true},
    {"widgetcount", false},
    {"display", true,
     "-display NAME     X 显示 / the X display\nQt 的其他选项同样可用。Qt's other options work as "
     "well."},
    {"geometry", true},
    {"title", true},
    {"name", true},
    {"visual", true},
    {"ncols", true},
    {"cmap", false},
    {"im", true},
    {"inputstyle", true},
    {"nograb", false},
    {"dograb", false},
    {"sync", false},
    {"fn", true},
    {"font", true},
    {"bg", true},
    {"fg", true},
    {"btn", true},
    {"testability", false},
}};

// The display Qt will try: the -display option's, else the environment's.
std::string display_name(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "-display" || argument == "--display") {
            return argv[i + 1];
        }
    }
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        if (const char* value = std::getenv(variable); value != nullptr && *value != '\0') {
            return value;
        }
    }
    return "（未设置）";
}

// While the application starts, a fatal message can only mean that no
// display could be reached: say so in one line and end, instead of Qt's abort.
std::string g_display;
QtMessageHandler g_default_handler = nullptr;
std::vector<std::pair<QtMsgType, QString>> g_held;

void starting_handler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "Vornix 需要图形桌面：无法连接到显示 %s\n", g_display.c_str());
        std::_Exit(1);
    }
    g_held.emplace_back(type, message);
}

std::unique_ptr<QApplication> start_application(int& argc, char** argv) {
    g_display = display_name(argc, argv);
    g_default_handler = qInstallMessageHandler(starting_handler);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(g_default_handler);
    for (const auto& [type, message] : g_held) {
        g_default_handler(type, QMessageLogContext(), message);
    }
    g_held.clear();
    return application;
}

// On success the export prints nothing: Qt's own notes (a missing runtime
// folder, a font substituted) are kept back; a fatal one still ends it.
void quiet_handler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "vornix: %s\n", message.toLocal8Bit().constData());
        std::_Exit(1);
    }
}

void write(const ui::CommandLineAnswer& answer) {
    std::fputs(answer.note.c_str(), stderr);
    std::fputs(answer.text.c_str(), answer.is_error ? stderr : stdout);
}

// An export, a check or a practice set, without a window; pages are drawn
// without a display.
int run_without_window(const ui::CommandLine& line, char* program) {
    QtPageRenderer renderer;
    if (!ui::draws_pages(line)) {
        const ui::CommandLineAnswer answer = ui::run_without_window(line, renderer);
        write(answer);
        return answer.exit_code;
    }
    qInstallMessageHandler(quiet_handler);
    int argc = 3;
    char platform_option[] = "-platform";
    char platform[] = "offscreen";
    char name[] = "vornix";
    char* argv[] = {program != nullptr ? program : name, platform_option, platform, nullptr};
    const QGuiApplication application(argc, argv);
    const ui::CommandLineAnswer answer = ui::run_without_window(line, renderer);
    write(answer);
    return answer.exit_code;
}

// Answers the command line before any window is made; -1 means: start.
int answer_command_line(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    const ui::CommandLine line = ui::read_command_line(arguments, kQtOptions);
    if (ui::runs_without_window(line)) {
        return run_without_window(line, argv[0]);
    }
    const ui::CommandLineAnswer answer = ui::answer_command_line(arguments, kQtOptions);
    write(answer);
    return answer.exit_code;
}

} // namespace

void install_chinese_translation(QApplication& application) {
    // The whole interface is Chinese, whatever the locale: so are Qt's own texts.
    auto* translator = new QTranslator(&application);
    if (translator->load(QStringLiteral("qtbase_zh_CN"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(translator);
    }
}

int run(int& argc, char** argv, const StartupWindowFactory& make_startup_window) {
    if (const int answered = answer_command_line(argc, argv); answered >= 0) {
        return answered;
    }
    const std::unique_ptr<QApplication> application = start_application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(kApplication.title));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(kApplication.major)
                                            .arg(kApplication.minor)
                                            .arg(kApplication.revision));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(kApplication.id));
    QApplication::setQuitOnLastWindowClosed(false);
    install_chinese_translation(*application);
    DesktopServices services;
    ProgramWindows windows([] { QApplication::quit(); });
    const std::unique_ptr<QWidget> startup_window = make_startup_window(services, windows);
    windows.track(*startup_window);
    startup_window->show();
    return QApplication::exec();
}

} // namespace vornix::qt
