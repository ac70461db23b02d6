#include "main_window.hpp"

namespace vornix::win32 {
namespace {

const ui::MainWindowSpec& kSpec = ui::kMainWindow;
constexpr UINT kCopy = 1;
constexpr UINT kCopyExactForm = 2;

} // namespace

MainWindow::MainWindow(Services& services, OpenWindows& windows, sysinfo::Registry& registry)
    : FormWindow(services, windows, ui::MainForm::controls()), form_(*this, *this),
      windows_(windows), registry_(registry) {
    static const wchar_t* const window_class = FormWindow::window_class(
        L"VornixForm1", CreateSolidBrush(kSpec.background), program_icon(32));
    create({window_class, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, nullptr, kSpec.client_width,
            kSpec.client_height},
           POINT{CW_USEDEFAULT, CW_USEDEFAULT});
    set_window_caption(kSpec.caption);
    form_.load();
}

// An About window still open when the program ends goes with it.
MainWindow::~MainWindow() = default;

void MainWindow::show(int show_command) {
    ShowWindow(handle(), show_command);
    UpdateWindow(handle());
}

AboutWindow* MainWindow::about() const {
    return about_is_open() ? about_.get() : nullptr;
}

bool MainWindow::about_is_open() const {
    return about_ != nullptr && about_->handle() != nullptr;
}

void MainWindow::open_about() {
    about_ = std::make_unique<AboutWindow>(services(), windows_, registry_);
}

void MainWindow::show_about() {
    about_->show();
}

void MainWindow::on_clicked(std::string_view control) {
    form_.clicked(control);
}

void MainWindow::on_mouse_moved(std::string_view control) {
    form_.mouse_moved(control);
}

void MainWindow::on_mouse_pressed(std::string_view control) {
    form_.mouse_pressed(control);
}

void MainWindow::on_mouse_released(std::string_view control, bool over_control) {
    form_.mouse_released(control, over_control);
}

void MainWindow::on_enter(std::string_view control) {
    form_.key_pressed(control, ui::MainForm::Key::Enter);
}

void MainWindow::on_space(std::string_view control) {
    form_.key_pressed(control, ui::MainForm::Key::Space);
}

bool MainWindow::on_copy_answer(std::string_view control) {
    return form_.copy_answer_of(control);
}

void MainWindow::on_context_menu(std::string_view control, POINT where) {
    if (!ui::MainForm::is_answer(control)) {
        return;
    }
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, kCopy, L"复制");
    AppendMenuW(menu, MF_STRING | (form_.has_exact_form(control) ? 0 : MF_GRAYED), kCopyExactForm,
                L"复制精确解");
    const UINT chosen =
        static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON,
                                         where.x, where.y, 0, handle(), nullptr));
    DestroyMenu(menu);
    if (chosen == kCopy) {
        form_.copy_answer(control);
    } else if (chosen == kCopyExactForm) {
        form_.copy_exact_form(control);
    }
}

void MainWindow::on_placed() {
    SendMessageW(
        handle(), WM_SETICON, ICON_BIG,
        reinterpret_cast<LPARAM>(program_icon(GetSystemMetricsForDpi(SM_CXICON, UINT(dpi())))));
    SendMessageW(
        handle(), WM_SETICON, ICON_SMALL,
        reinterpret_cast<LPARAM>(program_icon(GetSystemMetricsForDpi(SM_CXSMICON, UINT(dpi())))));
}

void MainWindow::paint(HDC dc) {
    // Not-xor: each pixel becomes the inverse of the line colour xor the pixel beneath.
    const int old_mode = SetROP2(dc, R2_NOTXORPEN);
    draw_line(dc, kSpec.rule);
    SetROP2(dc, old_mode);
}

} // namespace vornix::win32
