#include "practice_session.hpp"

#include <array>
#include <chrono>

namespace vornix::ui {
namespace {

constexpr std::array<std::string_view, 3> kLevels{"optLevel1", "optLevel2", "optLevel3"};
// Tries for an exercise this session has not had; a set holds far more.
constexpr int kTries = 64;

calc::Exercise evaluated(const calc::PracticeExercise& e) {
    const std::vector<std::string>& n = e.entries;
    return e.line ? calc::evaluate_line(n[0], n[1], n[2], n[3])
                  : calc::evaluate_quadratic(n[0], n[1], n[2]);
}

} // namespace

void PracticeSession::load() {
    level_ = read_number_setting(settings_, group_ + "/Level", 1, 3, 1);
    for (std::size_t i = 0; i < kLevels.size(); ++i) {
        view_.set_checked(kLevels[i], static_cast<int>(i) + 1 == level_);
    }
    view_.set_caption("lblPractice", "");
}

bool PracticeSession::clicked(std::string_view control) {
    for (std::size_t i = 0; i < kLevels.size(); ++i) {
        if (control == kLevels[i]) {
            level_ = static_cast<int>(i) + 1;
            settings_.write(group_ + "/Level", std::to_string(level_));
            return true;
        }
    }
    return false;
}

calc::Exercise PracticeSession::next(calc::PracticeKind kind) {
    calc::PracticeExercise chosen;
    for (int tries = 0; tries < kTries; ++tries) {
        chosen = calc::make_exercises(kind, level_, seed_++, 1).front();
        if (!seen_.contains(chosen.entries)) {
            break;
        }
    }
    seen_.insert(chosen.entries);
    active_ = true;
    counted_ = false;
    ++given_;
    show_count();
    return evaluated(chosen);
}

void PracticeSession::answered_correctly() {
    if (active_ && !counted_) {
        counted_ = true;
        ++right_;
        show_count();
    }
}

void PracticeSession::end() {
    active_ = false;
    right_ = 0;
    given_ = 0;
    view_.set_caption("lblPractice", "");
}

void PracticeSession::show_count() {
    view_.set_caption("lblPractice", "本次练习：答对 " + std::to_string(right_) + " 题，共 " +
                                         std::to_string(given_) + " 题");
}

std::uint64_t fresh_seed() {
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    const auto tick = std::chrono::steady_clock::now().time_since_epoch().count();
    return static_cast<std::uint64_t>(now) * 0x9E3779B97F4A7C15ULL ^
           static_cast<std::uint64_t>(tick);
}

} // namespace vornix::ui
