#include "about_form.hpp"
#include "fake_view.hpp"

#include "../sysinfo/fake_registry.hpp"

#include <gtest/gtest.h>

namespace vornix::testing {
namespace {

class AboutFormTest : public ::testing::Test {
  protected:
    FakeView view;
    FakeRegistry registry;
    ui::AboutForm form{view, registry};
};

TEST_F(AboutFormTest, LoadWritesCaptionVersionAndTitle) {
    form.load();
    EXPECT_EQ(view.window_caption, "关于 Vornix");
    EXPECT_EQ(view.captions.at("lblVersion"), "版本 1.0.1");
    EXPECT_EQ(view.captions.at("lblTitle"), "Vornix");
}

TEST_F(AboutFormTest, OkClosesAndSystemInformationStartsTheProgramOrSaysItCannot) {
    form.clicked("cmdSysInfo");
    EXPECT_EQ(view.messages, std::vector<std::string>{"此时系统信息不可用"});
    registry.put(sysinfo::kProgramPathKey, sysinfo::kProgramPathValue, sysinfo::ValueType::String,
                 std::string("C:\\msinfo32.exe\0", 16));
    form.clicked("cmdSysInfo");
    EXPECT_EQ(view.started, std::vector<std::string>{"C:\\msinfo32.exe"});
    EXPECT_EQ(view.closes, 0);
    form.key_pressed("cmdSysInfo", ui::Key::Escape);
    EXPECT_EQ(view.closes, 1) << "Esc";
    form.key_pressed("lblTitle", ui::Key::Enter);
    EXPECT_EQ(view.closes, 2) << "Enter away from the buttons";
    form.key_pressed("cmdSysInfo", ui::Key::Enter);
    EXPECT_EQ(view.closes, 2) << "Enter on System Information presses it";
    EXPECT_EQ(view.started.size(), 2u);
}

} // namespace
} // namespace vornix::testing
