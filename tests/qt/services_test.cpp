#include "services.hpp"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace vornix::qt;

namespace {

struct SeenBox {
    QString title;
    QString text;
    int buttons = 0;
};

// Reads the modal box once it is up, then dismisses it with its OK button.
SeenBox show_and_dismiss(const QString& title) {
    SeenBox seen;
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = {box->windowTitle(), box->text(), int(box->buttons().size())};
        box->button(QMessageBox::Ok)->click();
    });
    DesktopServices().show_message(nullptr, QStringLiteral("此时系统信息不可用"), title);
    return seen;
}

TEST(DesktopServicesMessage, CaptionedWithTheApplicationTitleUnlessGivenOne) {
    QApplication::setApplicationName("Vornix");
    const SeenBox untitled = show_and_dismiss({});
    EXPECT_EQ(untitled.title, "Vornix");
    EXPECT_EQ(untitled.text, QStringLiteral("此时系统信息不可用"));
    EXPECT_EQ(untitled.buttons, 1) << "OK only";
    EXPECT_EQ(show_and_dismiss("Other").title, "Other");
}

// A program whose name is full of shell syntax; it leaves a marker beside itself.
QString write_probe(const QTemporaryDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    QFile script(path);
    EXPECT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\necho started > \"$(dirname \"$0\")/marker\"\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

TEST(DesktopServicesStart, StartsTheLiteralPathAndNothingElse) {
    QTemporaryDir folder;
    const QString path =
        write_probe(folder, QStringLiteral("probe; touch pwned $(touch pwned2) 'q\" & x"));
    ASSERT_TRUE(DesktopServices().start_program(path));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(folder.filePath("marker")); }, 5000));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 2) << "no file made by a shell";
}

TEST(DesktopServicesStart, MissingProgramIsReportedAsNotStarted) {
    QTemporaryDir folder;
    EXPECT_FALSE(DesktopServices().start_program(folder.filePath("absent")));
    EXPECT_FALSE(DesktopServices().start_program(folder.path())) << "a folder is no program";
}

} // namespace
