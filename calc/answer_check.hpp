// The checks of each kind of answer, over one GO's numbers, and what they
// share: comparing a value, weighing what was found, naming a slip.
#pragma once

#include "answer.hpp"
#include "answer_form.hpp"
#include "slips.hpp"

#include <string>
#include <string_view>
#include <vector>

namespace vornix::calc::detail {

struct Checking {
    const Exercise& exercise;
    const ExerciseNumbers& numbers;
    std::string_view entry;
    Page page;
    Method shown; // the Solve page's method
    // The exercise was typed with decimals: exact decimals are simplest too.
    bool decimals_simplest;
};

// What a check found, weighed as a teacher weighs it: a wrong value first,
// then a missing one, then approximations, then unfinished forms.
struct Findings {
    std::vector<std::string> wrong; // why, each in a few words
    std::vector<std::string> missing;
    std::vector<std::string> approximate;  // the decimals as written
    std::vector<const Node*> approximated; // and where
    std::vector<FormNote> unsimplified;
    std::string correct; // why it is right
};
Verdict verdict_of(const Findings& findings);
// 不正确 for the one reason given.
Verdict wrong_because(std::string why);

// How a given value stands to the one asked for: the same, a decimal
// within half a unit of its last digit (`written` is where it was typed),
// or another value.
enum class Closeness { Same, Near, Different };
Closeness closeness(const Surd& value, const Node* written, const Surd& asked);

// Notes a decimal close to the value asked as 近似值.
void note_approximate(const Checking& checking, const Node& written, Findings& findings);

// 看不懂 for an answer that is not what the page asks for.
Verdict off_page(const Checking& checking, const Node& part);

// The unfinished parts of every item.
void add_form_notes(const Checking& checking, const std::vector<Item>& items, Findings& findings);

// Names the slip among `explaining` (the slips whose answer is the
// student's) that a teacher would name: the only kind there is, or the only
// kind of the method shown; none where that is not one. Adds its lines and
// its working line to the verdict.
void diagnose(const Checking& checking, const std::vector<const Slip*>& explaining,
              Verdict& verdict);

Verdict check_roots(const Checking& checking, const ReadAnswer& read);
Verdict check_line(const Checking& checking, const ReadAnswer& read);
Verdict check_vertex(const Checking& checking, const ReadAnswer& read);
// y = kx + b, k ≠ 0: its crossings with the axes or its triangle's area.
Verdict check_crossings(const Checking& checking, const ReadAnswer& read, const Exact& k,
                        const Exact& b);
// y = c: the point (0, c), or y = c itself.
Verdict check_constant(const Checking& checking, const ReadAnswer& read, const Exact& c);

// "(3, −5)" from the exercise's numbers.
std::string point_words(const Exact& x, const Exact& y);

} // namespace vornix::calc::detail
