// Practice in the working window (出题): 换一题 gives a fresh exercise of the
// kind the page and method shown practise (因式分解法 → factor, 配方法 →
// square, 公式法 → formula, 函数的性质 → function, the line's window → line)
// at the level chosen, which is kept in the settings; while practising, a
// count of the answers found right stays in the window. The main window is
// not touched: its next GO ends the practice.
#pragma once

#include "exercise.hpp"
#include "practice.hpp"
#include "settings.hpp"
#include "view.hpp"

#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace vornix::ui {

class PracticeSession {
  public:
    // `group` is the window's settings group, where the level is kept; the
    // exercises follow from `seed`.
    PracticeSession(View& view, Settings& settings, std::string group, std::uint64_t seed)
        : view_(view), settings_(settings), group_(std::move(group)), seed_(seed) {}

    // Reads the level and shows it.
    void load();
    // A level chosen; returns whether `control` was a level's option.
    bool clicked(std::string_view control);

    // The next exercise of `kind` at the level chosen, none of this
    // session's again; practice starts with the first.
    calc::Exercise next(calc::PracticeKind kind);
    // The exercise shown was answered right: counted once.
    void answered_correctly();
    // Practice is over: the count goes.
    void end();

    bool active() const { return active_; }
    int level() const { return level_; }

  private:
    void show_count();

    View& view_;
    Settings& settings_;
    std::string group_;
    std::uint64_t seed_;
    int level_ = 1;
    bool active_ = false;
    bool counted_ = false; // the exercise shown has been counted right
    int right_ = 0;
    int given_ = 0;
    std::set<std::vector<std::string>> seen_;
};

// A seed that differs from run to run, for a session's exercises.
std::uint64_t fresh_seed();

} // namespace vornix::ui
