// The toolkit's floor for the start-up benchmark: a bare Qt 6 window holding
// as many entry boxes, labels and buttons as Vornix's main window, in the same
// fonts, and nothing else.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace {

QFont face(const char* family, double points) {
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(points);
    return font;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.resize(434, 398);
    for (int i = 0; i < 7; ++i) {
        auto* box = new QLineEdit(&window);
        box->setGeometry(24 + 56 * i, 40, 41, 41);
        box->setFont(face("AR PL UMing CN", 15.75));
    }
    for (int i = 0; i < 17; ++i) {
        auto* label = new QLabel(QStringLiteral("坐标%1").arg(i), &window);
        label->setGeometry(8 + 100 * (i % 4), 100 + 50 * (i / 4), 90, 41);
        label->setFont(i < 2 ? face("AR PL UKai CN", 15.75) : face("AR PL UMing CN", 12));
    }
    for (int i = 0; i < 3; ++i) {
        auto* button = new QPushButton(QStringLiteral("GO"), &window);
        button->setGeometry(376, 40 + 120 * i, 49, 100);
        button->setFont(face("AR PL UMing CN", 24));
    }
    window.show();
    return QApplication::exec();
}
