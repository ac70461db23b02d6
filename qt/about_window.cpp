#include "about_window.hpp"

#include "controls.hpp"
#include "units.hpp"
#include "vornix_mark.hpp"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace vornix::qt {
namespace {

const ui::AboutWindowSpec& kSpec = ui::kAboutWindow;

} // namespace

AboutWindow::AboutWindow(Services& services, sysinfo::Registry& registry)
    : view_(*this, services), form_(view_, registry) {
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setObjectName(QStringLiteral("frmAbout"));
    setPalette(light_palette());
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(from_utf8(kSpec.design_caption));
    setFixedSize(twips_to_pixels(kSpec.client_width), twips_to_pixels(kSpec.client_height));
    build_controls(*this, ui::AboutForm::controls(), nullptr);

    auto& icon = control<QLabel>(*this, "picIcon");
    icon.setAlignment(Qt::AlignCenter);
    icon.setPixmap(vornix_mark(kSpec.icon_pixels, devicePixelRatioF()));

    control<QPushButton>(*this, ui::AboutForm::default_button()).setDefault(true);
    for (QPushButton* button : findChildren<QPushButton*>()) {
        connect(button, &QPushButton::clicked, this,
                [this, button] { form_.clicked(button->objectName().toStdString()); });
    }
    place_on_screen();
    form_.load();
}

// The stored place, moved just enough to keep the whole window on a small screen.
void AboutWindow::place_on_screen() {
    QRect client(twips_to_pixels(kSpec.client_left), twips_to_pixels(kSpec.client_top), width(),
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
    for (const ui::LineSpec& line : kSpec.rule) {
        painter.setPen(QPen(colour_from_bgr(line.colour), line.pixels, Qt::SolidLine, Qt::FlatCap));
        const int y = twips_to_pixels(line.y);
        painter.drawLine(twips_to_pixels(line.left), y, twips_to_pixels(line.right), y);
    }
}

} // namespace vornix::qt
