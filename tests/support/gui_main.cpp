// GoogleTest entry for tests that need a QApplication; headless unless told
// otherwise. A watchdog fails the running test when a modal dialog stays up
// for seconds, which no test expects, and closes it so that the test ends.
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

constexpr int kCheckMilliseconds = 250;
constexpr int kPatienceChecks = 12; // three seconds

void watch_for_stuck_dialogs(QApplication& application) {
    auto* timer = new QTimer(&application);
    auto seen = std::make_shared<std::pair<QPointer<QWidget>, int>>();
    QObject::connect(timer, &QTimer::timeout, [seen] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal != seen->first) {
            *seen = {modal, 0};
            return;
        }
        if (++seen->second == kPatienceChecks) {
            ADD_FAILURE() << "an unexpected modal dialog stayed open: "
                          << modal->windowTitle().toStdString();
            if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                dialog->reject();
            } else {
                modal->close();
            }
        }
    });
    timer->start(kCheckMilliseconds);
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    watch_for_stuck_dialogs(application);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
