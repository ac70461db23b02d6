// 解方程: the roots as a set, in either order, or 无实数根.
#include "answer_check.hpp"

#include <algorithm>

namespace vornix::calc::detail {
namespace {

// A root as given: its value, the node it was typed as (one value only),
// and how the verdict names it.
struct Given {
    Surd value;
    const Node* written;
    std::string text;
};

bool names_a_root(const Item& item) {
    return std::all_of(item.labels.begin(), item.labels.end(), [](Label label) {
        return label == Label::X || label == Label::X1 || label == Label::X2;
    });
}

bool is_number(const Node& node) {
    return !node.value.empty() && std::all_of(node.value.begin(), node.value.end(),
                                              [](const Poly& p) { return p.degree() == 0; });
}

// The roots the exercise has, from the equation the workings solve.
std::vector<Surd> exercise_roots(const QuadraticNumbers& n) {
    if (sign_of(n.a) == 0) {
        return {rational(-n.c / n.b)};
    }
    const Primitive p = primitive(n.a, n.b, n.c);
    return roots_of(Exact(p.a), Exact(p.b), Exact(p.c));
}

// "x=3 不是方程的根", with what x=3 makes of the left side when it is rational.
std::string not_a_root(const QuadraticNumbers& n, const Given& given) {
    std::string clause = "x=" + given.text + " 不是方程的根";
    if (is_rational(given.value)) {
        const Exact& x = given.value.p;
        const Exact left = n.a * x * x + n.b * x + n.c;
        clause += "（代入方程的左边得 " + decimal_or_fraction(left) + "，不等于 0）";
    }
    return clause;
}

std::string correct_words(const QuadraticNumbers& n, std::size_t roots) {
    if (sign_of(n.a) == 0) {
        return "方程的根写对了，也是最简形式";
    }
    return roots == 2 ? "两个根都写对了，也都是最简形式"
                      : "方程有两个相等的实数根，写对了，也是最简形式";
}

// A coefficient as Working::equations records it: "-5/4", "3".
Exact recorded(std::string_view text) {
    const bool negative = text.starts_with("-");
    Integer top = 0;
    Integer bottom = 0;
    Integer* digits = &top;
    for (const char c : text.substr(negative ? 1 : 0)) {
        if (c == '/') {
            digits = &bottom;
        } else {
            *digits = *digits * 10 + (c - '0');
        }
    }
    const Exact value(top, bottom == 0 ? Integer(1) : bottom);
    return negative ? Exact(-value) : value;
}

// The multiplier of the working's first step, where it multiplies the
// typed equation by a number: read back from the equation it records.
std::optional<Exact> first_multiplier(const Exercise& exercise, const QuadraticNumbers& n) {
    if (exercise.workings.empty() || sign_of(n.a) == 0) {
        return std::nullopt;
    }
    const Working& working = exercise.workings.front();
    if (find_step(working.lines, Step::Multiplied) != std::size_t{0} || working.equations.empty()) {
        return std::nullopt;
    }
    return recorded(working.equations.front()[0]) / n.a;
}

bool same_set(const std::vector<Surd>& a, const std::vector<Surd>& b) {
    const auto in = [](const std::vector<Surd>& set, const Surd& value) {
        return std::any_of(set.begin(), set.end(), [&](const Surd& s) { return same(s, value); });
    };
    return std::all_of(a.begin(), a.end(), [&](const Surd& v) { return in(b, v); }) &&
           std::all_of(b.begin(), b.end(), [&](const Surd& v) { return in(a, v); });
}

std::vector<Surd> distinct(const std::vector<Given>& given) {
    std::vector<Surd> values;
    for (const Given& g : given) {
        if (std::none_of(values.begin(), values.end(),
                         [&](const Surd& v) { return same(v, g.value); })) {
            values.push_back(g.value);
        }
    }
    return values;
}

void add_diagnosis(const Checking& checking, const std::vector<Surd>& answered, bool incomplete,
                   Verdict& verdict) {
    const QuadraticNumbers& n = *checking.numbers.quadratic;
    std::vector<Method> methods;
    for (const Working& working : checking.exercise.workings) {
        methods.push_back(working.method);
    }
    const std::vector<Slip> slips =
        equation_slips(n, methods, first_multiplier(checking.exercise, n));
    std::vector<const Slip*> explaining;
    for (const Slip& slip : slips) {
        if (slip.incomplete == incomplete && same_set(slip.roots, answered)) {
            explaining.push_back(&slip);
        }
    }
    diagnose(checking, explaining, verdict);
}

} // namespace

Verdict check_roots(const Checking& checking, const ReadAnswer& read) {
    const QuadraticNumbers& n = *checking.numbers.quadratic;
    std::vector<Given> given;
    for (const Item& item : read.items) {
        if (!names_a_root(item) || !is_number(item.expression)) {
            return off_page(checking, item.expression);
        }
        const bool one = item.expression.value.size() == 1;
        for (const Poly& branch : item.expression.value) {
            given.push_back(
                {branch.c[0], one ? &item.expression : nullptr,
                 one ? written_text(item.expression, checking.entry) : surd_text(branch.c[0])});
        }
    }
    if (read.no_real_roots && !given.empty()) {
        return off_page(checking, read.items.front().expression);
    }
    const std::vector<Surd> roots = exercise_roots(n);
    Findings findings;
    if (read.no_real_roots || roots.empty()) {
        if (read.no_real_roots && roots.empty()) {
            findings.correct = "Δ<0，方程没有实数根";
        } else if (roots.empty()) {
            findings.wrong.push_back("Δ<0，方程没有实数根，不应该写出根");
        } else {
            findings.wrong.push_back(sign_of(n.a) == 0 ? "这个一元一次方程有一个根"
                                                       : "Δ≥0，方程有实数根");
        }
    } else {
        std::vector<bool> found(roots.size(), false);
        for (const Given& g : given) {
            bool matched = false;
            for (std::size_t i = 0; i < roots.size() && !matched; ++i) {
                const Closeness c = closeness(g.value, g.written, roots[i]);
                matched = c != Closeness::Different;
                found[i] = found[i] || matched;
                if (c == Closeness::Near) {
                    note_approximate(checking, *g.written, findings);
                }
            }
            if (!matched) {
                findings.wrong.push_back(not_a_root(n, g));
            }
        }
        if (std::find(found.begin(), found.end(), false) != found.end()) {
            findings.missing.push_back("方程有两个不相等的实数根，只写出了一个");
        }
        findings.correct = correct_words(n, roots.size());
    }
    if (findings.wrong.empty()) {
        add_form_notes(checking, read.items, findings);
    }
    Verdict verdict = verdict_of(findings);
    // One root of two is a slip only where a square root is taken at once:
    // x² = 4, or 配方法's last step; else half of all such answers would get the hint.
    const bool square_root_taken = checking.shown == Method::CompletingSquare || sign_of(n.b) == 0;
    const bool exact = findings.approximate.empty();
    if (exact &&
        (verdict.mark == Mark::Wrong || (verdict.mark == Mark::Incomplete && square_root_taken))) {
        add_diagnosis(checking, distinct(given), verdict.mark == Mark::Incomplete, verdict);
    }
    return verdict;
}

} // namespace vornix::calc::detail
