#include "fake_view.hpp"
#include "main_form.hpp"
#include "working_form.hpp"

#include <memory>

#include <gtest/gtest.h>

namespace vornix::testing {
namespace {

using ui::MainForm;

constexpr ui::Colour kBlue = 0x00FF0000;
constexpr ui::Colour kRed = 0x000000FF;
const std::string kRefused = "ERROR! 无法求解，请检查输入的坐标。";

// The About window as a count; working windows with their real rules.
class FakeWindows : public ui::Windows {
  public:
    bool is_open(ui::Secondary window) const override {
        return window == ui::Secondary::About ? is_shown : working_of(window) != nullptr;
    }
    void open(ui::Secondary window) override {
        if (window != ui::Secondary::About) {
            auto& slot = window == ui::Secondary::QuadraticWorking ? quadratic : line;
            slot = std::make_unique<ui::WorkingForm>(
                working_view,
                window == ui::Secondary::QuadraticWorking ? ui::Topic::Quadratic : ui::Topic::Line,
                settings);
            slot->load();
            return;
        }
        ++opened;
        is_shown = true;
    }
    void show(ui::Secondary) override { ++shown; }
    ui::WorkingForm* working(ui::Secondary window) override { return working_of(window); }
    ui::WorkingForm* working_of(ui::Secondary window) const {
        return window == ui::Secondary::QuadraticWorking ? quadratic.get()
               : window == ui::Secondary::LineWorking    ? line.get()
                                                         : nullptr;
    }
    FakeView working_view;
    ui::MemorySettings settings;
    std::unique_ptr<ui::WorkingForm> quadratic;
    std::unique_ptr<ui::WorkingForm> line;
    bool is_shown = false;
    int opened = 0;
    int shown = 0;
};

class MainFormTest : public ::testing::Test {
  protected:
    void SetUp() override { form.load(); }
    void type(std::initializer_list<std::pair<const char*, std::string>> entries) {
        for (const auto& [box, text] : entries) {
            view.texts[box] = text;
        }
    }
    FakeView view;
    FakeWindows windows;
    MainForm form{view, windows};
};

TEST_F(MainFormTest, LoadMakesTheLinkBlueAndUnderlined) {
    EXPECT_EQ(view.colours.at("Label17"), kBlue);
    EXPECT_TRUE(view.underlined.at("Label17"));
}

TEST_F(MainFormTest, EachGoWritesAndAnnouncesItsOwnAnswer) {
    type({{"Text1", "1"}, {"Text2", "-3"}, {"Text3", "2"}});
    form.clicked("Command1");
    type({{"Text4", "1"}, {"Text5", "1"}, {"Text6", "2"}, {"Text7", "3"}});
    form.clicked("Command3");
    EXPECT_EQ(view.captions.at("Label4"), "X1= 1    X2= 2");
    EXPECT_EQ(view.captions.at("Label16"), "Y= 2 X  +-1");
    EXPECT_EQ(view.announced, (std::vector<std::string>{"Label4", "Label16"}));
    view.texts.clear();
    form.clicked("Command3");
    EXPECT_EQ(view.captions.at("Label16"), kRefused) << "all four boxes empty";
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(MainFormTest, FaultShowsItsMessageOnceAndKeepsTheAnswerUnannounced) {
    type({{"Text1", "1"}, {"Text2", "5"}, {"Text3", "6"}});
    form.clicked("Command1");
    view.texts.clear();
    form.clicked("Command1");
    EXPECT_EQ(view.captions.at("Label4"), "X1=-3    X2=-2");
    EXPECT_EQ(view.messages, std::vector<std::string>{std::string(MainForm::fault_message())});
    EXPECT_EQ(view.announced.size(), 1u);
}

TEST_F(MainFormTest, EnterInAnEntryBoxOrOnItsGoSolvesItsOwnExerciseOnly) {
    using ui::Key;
    type({{"Text1", "1"},
          {"Text2", "-3"},
          {"Text3", "2"},
          {"Text4", "0"},
          {"Text5", "1"},
          {"Text6", "1"},
          {"Text7", "3"}});
    for (const char* focus : {"Text1", "Text2", "Text3", "Command1"}) {
        view.captions.clear();
        EXPECT_TRUE(form.key_pressed(focus, Key::Enter));
        EXPECT_EQ(view.captions, (decltype(view.captions){{"Label4", "X1= 1    X2= 2"}})) << focus;
    }
    for (const char* focus : {"Text4", "Text5", "Text6", "Text7", "Command3"}) {
        view.captions.clear();
        EXPECT_TRUE(form.key_pressed(focus, Key::Enter));
        EXPECT_EQ(view.captions, (decltype(view.captions){{"Label16", "Y= 2 X  + 1"}})) << focus;
    }
    EXPECT_FALSE(form.key_pressed("Text1", Key::Space)) << "a blank typed into the box";
    EXPECT_FALSE(form.key_pressed("Label4", Key::Enter));
    EXPECT_TRUE(view.opened.empty());
    EXPECT_TRUE(form.key_pressed("Label17", Key::Enter));
    EXPECT_TRUE(form.key_pressed("Label17", Key::Space));
    EXPECT_EQ(view.opened.size(), 2u);
    view.page_opens = false;
    form.key_pressed("Label17", Key::Enter);
    ASSERT_EQ(view.messages.size(), 1u) << "a page that does not open is said so";
    EXPECT_TRUE(view.messages[0].ends_with(VORNIX_FEEDBACK_URL));
}

TEST_F(MainFormTest, OneMebibyteInEveryBoxStillAnswersBothExercises) {
    const std::string tail(1 << 20, 'x');
    const std::string long_digits = "1." + std::string(1 << 20, '0') + "1";
    type({{"Text1", long_digits}, {"Text2", "-3" + tail}, {"Text3", "2" + tail}});
    type({{"Text4", "1" + tail}, {"Text5", long_digits}, {"Text6", "2" + tail}, {"Text7", "3"}});
    form.clicked("Command1");
    form.clicked("Command3");
    EXPECT_EQ(view.captions.at("Label4"), "X1= 1    X2= 2");
    EXPECT_EQ(view.captions.at("Label16"), "Y= 2 X  +-1");
}

TEST_F(MainFormTest, LinkTurnsRedWithACrossUntilTheMouseCrossesTheBackground) {
    for (const char* other : {"Text1", "Command1", "Label4", "Command2", "Label16"}) {
        form.mouse_moved("Label17");
        EXPECT_EQ(view.colours.at("Label17"), kRed);
        EXPECT_EQ(view.pointer, ui::Pointer::Cross);
        form.mouse_moved(other);
        EXPECT_EQ(view.colours.at("Label17"), kRed) << other;
        EXPECT_EQ(view.pointer, ui::Pointer::Cross) << other;
        form.mouse_moved(ui::kBackground);
        EXPECT_EQ(view.colours.at("Label17"), kBlue);
        EXPECT_EQ(view.pointer, ui::Pointer::Default);
    }
}

struct LinkGesture {
    const char* name;
    const char* pressed_on; // nullptr: no press
    const char* released_on;
    bool over;
    std::size_t pages;
};

TEST_F(MainFormTest, LinkOpensThePageOnlyForAPressAndReleaseBothOnIt) {
    for (const LinkGesture& g : {
             LinkGesture{"click", "Label17", "Label17", true, 1},
             LinkGesture{"drag_away", "Label17", "Label17", false, 0},
             LinkGesture{"press_elsewhere", "Label4", "Label4", true, 0},
             LinkGesture{"release_without_press", nullptr, "Label17", true, 0},
         }) {
        view.opened.clear();
        if (g.pressed_on != nullptr) {
            form.mouse_pressed(g.pressed_on);
        }
        form.mouse_released(g.released_on, g.over);
        EXPECT_EQ(view.opened.size(), g.pages) << g.name;
    }
    form.mouse_pressed("Label17");
    form.mouse_released("Label17", true);
    ASSERT_EQ(view.opened.size(), 1u);
    EXPECT_EQ(view.opened[0], VORNIX_FEEDBACK_URL);
}

TEST_F(MainFormTest, AboutMakesOneWindowAndShowsItOnEveryClick) {
    form.clicked("Command2");
    form.clicked("Command2");
    EXPECT_EQ(windows.opened, 1);
    EXPECT_EQ(windows.shown, 2);
    windows.is_shown = false; // closed by the user
    form.clicked("Command2");
    EXPECT_EQ(windows.opened, 2);
}

TEST_F(MainFormTest, DoubleClickMenuOrAltEnterOpensTheWorkingWhichFollowsEveryGo) {
    EXPECT_EQ(view.tooltips.at("Label4"), "双击或按 Alt+Enter 查看解题过程与图像");
    form.double_clicked("Label4");
    ASSERT_NE(windows.quadratic, nullptr);
    EXPECT_TRUE(windows.quadratic->text().starts_with("输入方程的系数")) << "before the first GO";
    type({{"Text1", "1"}, {"Text2", "-3"}, {"Text3", "2"}});
    form.clicked("Command1");
    EXPECT_TRUE(windows.quadratic->text().ends_with("x₁=1，x₂=2.")) << windows.quadratic->text();
    EXPECT_TRUE(view.tooltips.at("Label4").ends_with("\n双击或按 Alt+Enter 查看解题过程与图像"));
    view.texts.clear();
    form.clicked("Command1");
    EXPECT_EQ(view.captions.at("Label4"), "X1= 1    X2= 2") << "the fault keeps the answer";
    EXPECT_TRUE(windows.quadratic->text().starts_with("因为 a=0 且 b=0")) << "the window says why";
    EXPECT_EQ(windows.line, nullptr);
    EXPECT_TRUE(form.key_pressed("Text5", ui::Key::ShowWorking));
    ASSERT_NE(windows.line, nullptr);
    windows.line.reset();
    ASSERT_EQ(form.menu("Label16").size(), 3u);
    EXPECT_EQ(form.menu("Label16")[2].caption, "解题过程与图像…");
    form.menu_chosen("Label16", 2);
    EXPECT_NE(windows.line, nullptr);
}

TEST_F(MainFormTest, CopyPutsExactlyTheAnswerOnTheClipboardFromItsMenuOrItsBoxes) {
    view.captions["Label4"] = "X1= 1    X2= 2";
    view.captions["Label16"] = "Y= 2 X  +-1";
    EXPECT_FALSE(form.menu("Label16")[1].enabled) << "no exact form before GO";
    form.menu_chosen("Label16", 0);
    EXPECT_EQ(view.clipboard, "Y= 2 X  +-1");
    EXPECT_TRUE(form.menu("Label17").empty());
    EXPECT_TRUE(form.key_pressed("Text3", ui::Key::CopyAnswer));
    EXPECT_EQ(view.clipboard, "X1= 1    X2= 2");
    view.clipboard.clear();
    form.menu_chosen("Text5", 0);
    EXPECT_EQ(view.clipboard, "Y= 2 X  +-1") << "the entry box's 复制答案";
    EXPECT_FALSE(form.key_pressed("Command1", ui::Key::CopyAnswer));
}

} // namespace
} // namespace vornix::testing
