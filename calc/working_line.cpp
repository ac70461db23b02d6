// The line through two points as a grade-8 textbook finds it: by
// undetermined coefficients, the two points put into y = kx + b as a system,
// the system solved by subtracting one equation from the other.
#include "working.hpp"
#include "writing.hpp"

namespace vornix::calc::detail {
namespace {

bool fractional(const Exact& value) {
    return denominator(value) != 1;
}

// A typed number with its value.
struct Entry {
    const Decimal& typed;
    const Exact& value;
};

struct TypedPoint {
    Entry x;
    Entry y;
};

TypedPoint first_point(const LineNumbers& n) {
    return {{n.typed_x1, n.x1}, {n.typed_y1, n.y1}};
}

TypedPoint second_point(const LineNumbers& n) {
    return {{n.typed_x2, n.x2}, {n.typed_y2, n.y2}};
}

// Data as typed: in digits where data() writes it so ("0.0000001"), else as
// the entry was read ("3E-300", "1.23456789012345678"), never rounded.
Formula typed(const Entry& e) {
    return short_decimal(e.value) ? data(e.value) : Formula{text(decimal_text(e.typed))};
}

Coefficient typed_coefficient_of(const Entry& e) {
    return short_decimal(e.value) ? data_coefficient(e.value) : typed_coefficient(e.typed);
}

// "3k+b=5", "k+b=2", "b=5": a typed point put into y = kx + b.
Formula with_b(const TypedPoint& p) {
    Line line;
    if (sign_of(p.x.value) != 0) {
        line << polynomial(kNoTerm, typed_coefficient_of(p.x), kNoTerm, "k") << "+";
    }
    line << "b=" << typed(p.y);
    return line;
}

Formula point(const TypedPoint& p) {
    return Line() << "(" << typed(p.x) << ", " << typed(p.y) << ")";
}

// How the working finds k and b, and how it writes them. The equation in k is
// dx·k = dy; k and b are decimals where the numbers they are solved from are
// written with decimals and they end within a decimal's places, else fractions,
// and the answer keeps them so.
struct Solution {
    const Decimal* typed_b = nullptr;  // a point on the y axis gives b as typed
    const Decimal* typed_dx = nullptr; // and dx is the other point's x, as typed
    Exact dx;
    Exact dy;
    bool k_decimal = false;
    bool b_decimal = false;
    // A number past the exact limit: the working gives k and b rounded.
    bool rounded = false;
};

Solution solution_of(const LineNumbers& n) {
    Solution s;
    if (n.x1 == 0 || n.x2 == 0) {
        const bool first_on_axis = n.x1 == 0;
        s.typed_b = first_on_axis ? &n.typed_y1 : &n.typed_y2;
        s.typed_dx = first_on_axis ? &n.typed_x2 : &n.typed_x1;
        s.dx = first_on_axis ? n.x2 : n.x1;
        s.dy = (first_on_axis ? n.y2 : n.y1) - n.b;
    } else {
        // The subtraction that leaves a positive coefficient of k.
        const bool first_minus_second = n.x1 > n.x2;
        s.dx = first_minus_second ? n.x1 - n.x2 : n.x2 - n.x1;
        s.dy = first_minus_second ? n.y1 - n.y2 : n.y2 - n.y1;
    }
    s.k_decimal = (fractional(s.dx) || fractional(s.dy)) && short_decimal(n.k);
    s.b_decimal = s.typed_b == nullptr && (s.k_decimal || fractional(n.x1) || fractional(n.y1)) &&
                  short_decimal(n.b);
    s.rounded = !short_fraction(s.dx) || !short_fraction(s.dy) || !short_fraction(n.k) ||
                !short_fraction(n.b);
    return s;
}

Formula k_of(const LineNumbers& n, const Solution& s) {
    return s.k_decimal ? data(n.k) : number(n.k);
}

Formula b_of(const LineNumbers& n, const Solution& s) {
    if (s.typed_b != nullptr) {
        return typed({*s.typed_b, n.b});
    }
    return s.b_decimal ? data(n.b) : number(n.b);
}

// "7k=14，k=2": the equation in k, then k; "k=2" alone where dx is 1.
void add_k(Line& line, const LineNumbers& n, const Solution& s) {
    if (s.dx != 1) {
        const Coefficient dx = s.typed_dx != nullptr ? typed_coefficient_of({*s.typed_dx, s.dx})
                                                     : data_coefficient(s.dx);
        line << polynomial(kNoTerm, dx, kNoTerm, "k") << "=" << data(s.dy) << "，";
    }
    line << "k=" << k_of(n, s);
}

Formula subtract(const LineNumbers& n, const Solution& s) {
    Line line;
    line << "两式相减，得 ";
    add_k(line, n, s);
    return std::move(line) << ".";
}

// A point on the y axis gives b at once, which the other equation takes.
Formula substitute_b(const LineNumbers& n, const Solution& s) {
    const bool first_on_axis = n.x1 == 0;
    Line line;
    line << "把 b=" << typed({*s.typed_b, n.b}) << " 代入 "
         << with_b(first_on_axis ? second_point(n) : first_point(n)) << "，得 ";
    add_k(line, n, s);
    return std::move(line) << ".";
}

// "y≈1.5x+0.25": k or b rounded, a b typed on the y axis as typed.
Formula rounded_answer(const LineNumbers& n, const Solution& s) {
    Results results;
    if (s.typed_b == nullptr) {
        return line_equation(results, n.k, n.b);
    }
    return Line() << (short_fraction(n.k) ? "y=" : "y≈")
                  << polynomial(kNoTerm, results.coefficient(n.k),
                                typed_coefficient_of({*s.typed_b, n.b}));
}

Formula exact_answer(const LineNumbers& n, const Solution& s) {
    const Coefficient k = s.k_decimal ? data_coefficient(n.k) : coefficient_of(n.k);
    const Coefficient b = s.typed_b != nullptr ? typed_coefficient_of({*s.typed_b, n.b})
                          : s.b_decimal        ? data_coefficient(n.b)
                                               : coefficient_of(n.b);
    return Line() << "y=" << polynomial(kNoTerm, k, b);
}

// Past the exact limit: the system's solution, rounded where it must be and
// said to be; a b typed on the y axis stays as typed and comes first.
void add_rounded_solution(Working& w, const LineNumbers& n, const Solution& s) {
    Results results;
    Line solved;
    solved << "解这个方程组，得 ";
    if (s.typed_b != nullptr) {
        solved << "b=" << typed({*s.typed_b, n.b}) << "，k" << results.equals(n.k);
    } else {
        solved << "k" << results.equals(n.k) << "，b" << results.equals(n.b);
    }
    w.lines.push_back(std::move(solved) << ".");
    w.lines.push_back(Line() << "所以这个一次函数的解析式为 " << rounded_answer(n, s) << ".");
    w.lines.push_back(Line() << kRoundedNote);
}

} // namespace

Formula line_statement(const LineNumbers& n) {
    return Line() << "求过点 " << point(first_point(n)) << " 与 " << point(second_point(n))
                  << " 的一次函数的解析式.";
}

Formula solved_line(const LineNumbers& n) {
    const Solution s = solution_of(n);
    return s.rounded ? rounded_answer(n, s) : exact_answer(n, s);
}

Working line_working(const LineNumbers& n) {
    const Solution s = solution_of(n);
    Working w{Method::Undetermined, {}, {}};
    w.lines.push_back(Line() << "解：设这个一次函数的解析式为 y=kx+b.");
    w.lines.push_back(Line() << "因为 y=kx+b 的图象过点 " << point(first_point(n)) << " 与 "
                             << point(second_point(n)) << "，所以");
    w.lines.push_back({system(
        {Line() << with_b(first_point(n)) << "，", Line() << with_b(second_point(n)) << "."})});
    if (s.rounded) {
        add_rounded_solution(w, n, s);
        return w;
    }
    if (s.typed_b != nullptr) {
        w.lines.push_back(substitute_b(n, s));
    } else {
        w.lines.push_back(subtract(n, s));
        w.lines.push_back(Line() << "把 k=" << k_of(n, s) << " 代入 " << with_b(first_point(n))
                                 << "，得 b=" << b_of(n, s) << ".");
    }
    w.lines.push_back(Line() << "所以这个一次函数的解析式为 " << exact_answer(n, s) << ".");
    return w;
}

} // namespace vornix::calc::detail
