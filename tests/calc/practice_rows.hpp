// The rows of a table over every practice kind and level, named in a
// failing test's output ("factor level 2") and in its test name.
#pragma once

#include "practice.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace practice_rows {

struct KindLevel {
    vornix::calc::PracticeKind kind;
    int level;
};

inline void PrintTo(const KindLevel& row, std::ostream* out) {
    *out << vornix::calc::kind_name(row.kind) << " level " << row.level;
}

inline std::vector<KindLevel> every_kind_and_level() {
    using vornix::calc::PracticeKind;
    std::vector<KindLevel> all;
    for (const PracticeKind kind :
         {PracticeKind::Factor, PracticeKind::Square, PracticeKind::Formula, PracticeKind::Mixed,
          PracticeKind::Function, PracticeKind::Line}) {
        for (int level = 1; level <= 3; ++level) {
            all.push_back({kind, level});
        }
    }
    return all;
}

inline std::string row_name(const testing::TestParamInfo<KindLevel>& info) {
    return std::string(vornix::calc::kind_name(info.param.kind)) + "_level_" +
           std::to_string(info.param.level);
}

} // namespace practice_rows
