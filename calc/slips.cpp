// The library of slips, in the teachers' own words: each slip's answer is
// found by making that one step wrong and every later step right.
#include "slips.hpp"
#include "writing.hpp"

#include <algorithm>

namespace vornix::calc::detail {
namespace {

enum Kind : int {
    kMinusB = 1,
    kDenominatorA,
    kOnlyRootDivided,
    kPlusFourAC,
    kSwappedAC,
    kFactorSign,
    kSquareOneSide,
    kConstantNotDivided,
    kPositiveRootOnly,
    kLinearSign,
    kLinearDividedWrongWay,
    kSlopeInverted,
    kSlopeSign,
    kInterceptSign,
    kFirstPointSwapped,
    kSecondPointSwapped,
    kVertexSign,
    kConstantNotTimesA,
    kFactorNotTakenOut,
    kDecimalTerms, // + which terms were left unmultiplied (1 to 6)
};

Slip roots_slip(int kind, std::optional<Method> method, Step step, std::string cause,
                std::vector<Surd> roots, std::string evidence = {}) {
    Slip slip;
    slip.kind = kind;
    slip.method = method;
    slip.step = step;
    slip.cause = std::move(cause);
    slip.evidence = std::move(evidence);
    slip.roots = std::move(roots);
    return slip;
}

std::string roots_of_equation(const Exact& a, const Exact& b, const Exact& c) {
    // The decimals the student saw stay decimals: 0.5x²−2x−2=0.
    return "你的答案正好是 " + polynomial_text(a, b, c, true) + "=0 的根";
}

// The equation the methods work on: whole numbers without a common factor, a > 0.
struct Whole {
    Exact a;
    Exact b;
    Exact c;
};
Whole whole_equation(const QuadraticNumbers& n) {
    const Primitive p = primitive(n.a, n.b, n.c);
    const int s = p.a < 0 ? -1 : 1;
    return {Exact(p.a * s), Exact(p.b * s), Exact(p.c * s)};
}

std::vector<Surd> scaled_roots(std::vector<Surd> roots, const Exact& factor) {
    for (Surd& root : roots) {
        root.p *= factor;
        root.q *= factor;
    }
    return roots;
}

void add_formula_slips(const Whole& e, std::vector<Slip>& slips) {
    const Method m = Method::Formula;
    const Exact delta = e.b * e.b - 4 * e.a * e.c;
    if (sign_of(delta) >= 0) {
        slips.push_back(roots_slip(kMinusB, m, Step::Formula, "公式中的 −b 写成了 b",
                                   roots_of(e.a, -e.b, e.c), roots_of_equation(e.a, -e.b, e.c)));
        slips.push_back(roots_slip(kDenominatorA, m, Step::Formula, "公式的分母 2a 写成了 a",
                                   scaled_roots(roots_of(e.a, e.b, e.c), 2)));
        // −b ± √Δ/(2a): −b itself left undivided.
        const Surd s = square_root_of(delta);
        const Exact two_a = 2 * e.a;
        std::vector<Surd> undivided{{-e.b - s.p / two_a, -s.q / two_a, s.r}};
        if (sign_of(delta) > 0) {
            undivided.push_back({-e.b + s.p / two_a, s.q / two_a, s.r});
        }
        slips.push_back(roots_slip(kOnlyRootDivided, m, Step::Formula,
                                   "只有根号部分除以了 2a，−b 没有除以 2a", undivided));
        if (sign_of(e.c) != 0) {
            slips.push_back(roots_slip(kSwappedAC, m, Step::Coefficients, "把 a 和 c 弄反了",
                                       roots_of(e.c, e.b, e.a), roots_of_equation(e.c, e.b, e.a)));
        }
    }
    // b² + 4ac = b² − 4a(−c).
    slips.push_back(roots_slip(kPlusFourAC, m, Step::Discriminant,
                               "判别式算成了 b²+4ac（应该是 b²−4ac）", roots_of(e.a, e.b, -e.c)));
}

void add_square_slips(const Whole& e, const std::vector<Surd>& roots, std::vector<Slip>& slips) {
    const Method m = Method::CompletingSquare;
    const Exact b = e.b / e.a;
    const Exact c = e.c / e.a;
    const Exact h = b / 2; // (x + h)² = h² − c
    if (sign_of(b) != 0) {
        // x² + bx + h² = −c: (x + h)² = −c.
        slips.push_back(roots_slip(kSquareOneSide, m, Step::Completed,
                                   "配方时只在方程的一边加上了一次项系数一半的平方",
                                   roots_of(1, b, h * h + c)));
    }
    if (!equals_whole(e.a, 1) && sign_of(e.c) != 0) {
        slips.push_back(
            roots_slip(kConstantNotDivided, m, Step::Divided,
                       "二次项系数化为1时，常数项没有除以二次项系数 " + fraction_words(e.a),
                       roots_of(1, b, e.c)));
    }
    if (roots.size() == 2) {
        Slip positive = roots_slip(kPositiveRootOnly, m, Step::SquareRoot,
                                   "直接开平方时漏掉了负的平方根", {roots[1]});
        positive.incomplete = true;
        slips.push_back(std::move(positive));
    }
}

// "x+2", "2x−1": the factor whose root is `root`.
std::string factor_text(const Exact& root) {
    const Integer& q = denominator(root);
    const Integer& p = numerator(root);
    std::string text = (q == 1 ? std::string() : digits_of(q)) + "x";
    if (p != 0) {
        text += (p > 0 ? std::string(kMinus) : "+") + digits_of(abs(p));
    }
    return text;
}

std::string misread(const Exact& root) {
    return "由 " + factor_text(root) + "=0 得出了 x=" + fraction_words(-root);
}

void add_factor_slips(const std::vector<Surd>& roots, std::vector<Slip>& slips) {
    const Method m = Method::Factoring;
    const Exact& first = roots.front().p;
    const Exact& second = roots.back().p;
    if (roots.size() == 1) {
        slips.push_back(
            roots_slip(kFactorSign, m, Step::FactorRoots, misread(first), {rational(-first)}));
        return;
    }
    slips.push_back(roots_slip(kFactorSign, m, Step::FactorRoots, misread(first),
                               {rational(-first), rational(second)}));
    slips.push_back(roots_slip(kFactorSign, m, Step::FactorRoots, misread(second),
                               {rational(first), rational(-second)}));
    slips.push_back(roots_slip(kFactorSign, m, Step::FactorRoots,
                               misread(first) + "，" + misread(second),
                               {rational(-first), rational(-second)}));
}

// Some terms multiplied, the others left as typed: every choice of at least
// one term left out, each term with a coefficient.
void add_decimal_slips(const QuadraticNumbers& n, const Exact& multiplier,
                       std::vector<Slip>& slips) {
    const std::array<const Exact*, 3> typed{&n.a, &n.b, &n.c};
    const std::array<std::string_view, 3> names{"二次项", "一次项", "常数项"};
    for (int left_out = 1; left_out < 7; ++left_out) {
        std::array<Exact, 3> slipped;
        std::string which;
        bool each_there = true;
        for (std::size_t i = 0; i < 3; ++i) {
            const bool out = (left_out >> i & 1) != 0;
            each_there = each_there && (!out || sign_of(*typed[i]) != 0);
            slipped[i] = out ? *typed[i] : *typed[i] * multiplier;
            if (out) {
                which += (which.empty() ? "" : "和") + std::string(names[i]);
            }
        }
        if (!each_there) {
            continue;
        }
        // Every working starts with the same multiplication: the slip
        // belongs to whichever is shown.
        slips.push_back(
            roots_slip(kDecimalTerms + left_out, std::nullopt, Step::Multiplied,
                       "方程两边同乘以 " + fraction_words(multiplier) + " 时漏乘了" + which,
                       roots_of(slipped[0], slipped[1], slipped[2]),
                       roots_of_equation(slipped[0], slipped[1], slipped[2])));
    }
}

// b·x + c = 0: 移项 without the sign changed; b divided by −c.
void add_linear_slips(const QuadraticNumbers& n, std::vector<Slip>& slips) {
    if (sign_of(n.c) == 0) {
        return;
    }
    const Method m = Method::Linear;
    slips.push_back(
        roots_slip(kLinearSign, m, Step::Transposed, "移项时没有变号", {rational(n.c / n.b)}));
    slips.push_back(roots_slip(kLinearDividedWrongWay, m, Step::MadeUnit,
                               "系数化为1时把除数和被除数弄反了", {rational(-n.b / n.c)}));
}

bool has(const std::vector<Method>& methods, Method method) {
    return std::find(methods.begin(), methods.end(), method) != methods.end();
}

Slip line_slip(int kind, Step step, std::string cause, const Exact& k, const Exact& b) {
    Slip slip;
    slip.kind = kind;
    slip.method = Method::Undetermined;
    slip.step = step;
    slip.cause = std::move(cause);
    slip.line = {k, b};
    return slip;
}

std::string point_text(const Exact& x, const Exact& y) {
    return "(" + decimal_or_fraction(x) + ", " + decimal_or_fraction(y) + ")";
}

// A wrong k, and the b that follows from it through either point.
void add_with_either_point(const LineNumbers& n, int kind, const std::string& cause, const Exact& k,
                           std::vector<Slip>& slips) {
    slips.push_back(line_slip(kind, Step::Slope, cause, k, n.y1 - k * n.x1));
    slips.push_back(line_slip(kind, Step::Slope, cause, k, n.y2 - k * n.x2));
}

Slip vertex_slip(int kind, Step step, std::string cause, const Exact& a, const Exact& h,
                 const Exact& k) {
    Slip slip;
    slip.kind = kind;
    slip.step = step;
    slip.cause = std::move(cause);
    slip.vertex = {a, h, k};
    return slip;
}

} // namespace

std::vector<Slip> equation_slips(const QuadraticNumbers& n, const std::vector<Method>& methods,
                                 const std::optional<Exact>& multiplier) {
    std::vector<Slip> slips;
    if (sign_of(n.a) == 0) {
        add_linear_slips(n, slips);
        return slips;
    }
    const Whole e = whole_equation(n);
    const std::vector<Surd> roots = roots_of(e.a, e.b, e.c);
    if (has(methods, Method::Formula)) {
        add_formula_slips(e, slips);
    }
    if (has(methods, Method::CompletingSquare)) {
        add_square_slips(e, roots, slips);
    }
    const bool rational_roots =
        !roots.empty() && std::all_of(roots.begin(), roots.end(), is_rational);
    if (has(methods, Method::Factoring) && rational_roots) {
        add_factor_slips(roots, slips);
    }
    if (multiplier) {
        add_decimal_slips(n, *multiplier, slips);
    }
    return slips;
}

std::vector<Slip> line_slips(const LineNumbers& n) {
    std::vector<Slip> slips;
    add_with_either_point(n, kSlopeInverted,
                          "把 k 算成了 x 的差除以 y 的差（k 是 y 的差除以 x 的差）",
                          (n.x2 - n.x1) / (n.y2 - n.y1), slips);
    add_with_either_point(n, kSlopeSign, "k 的符号错了（两个差要按同一个顺序相减）", -n.k, slips);
    const std::string intercept = "由 b=y₁−kx₁ 算 b 时符号错了";
    slips.push_back(line_slip(kInterceptSign, Step::Intercept, intercept, n.k, n.y1 + n.k * n.x1));
    slips.push_back(line_slip(kInterceptSign, Step::Intercept, intercept, n.k, n.y2 + n.k * n.x2));
    // A point with its coordinates exchanged, the line through it and the other.
    if (n.y1 != n.x2) {
        const Exact k = (n.y2 - n.x1) / (n.x2 - n.y1);
        slips.push_back(line_slip(kFirstPointSwapped, Step::System,
                                  "把点 " + point_text(n.x1, n.y1) + " 的横、纵坐标弄反了", k,
                                  n.y2 - k * n.x2));
    }
    if (n.x1 != n.y2) {
        const Exact k = (n.x2 - n.y1) / (n.y2 - n.x1);
        slips.push_back(line_slip(kSecondPointSwapped, Step::System,
                                  "把点 " + point_text(n.x2, n.y2) + " 的横、纵坐标弄反了", k,
                                  n.y1 - k * n.x1));
    }
    return slips;
}

std::vector<Slip> vertex_slips(const QuadraticNumbers& n) {
    std::vector<Slip> slips;
    const Exact h = -n.b / (2 * n.a);
    const Exact k = n.c - n.a * h * h;
    if (sign_of(h) != 0) {
        slips.push_back(vertex_slip(kVertexSign, Step::VertexForm,
                                    "把 (x−h)² 的顶点横坐标看成了 −h", n.a, -h, k));
    }
    if (!equals_whole(n.a, 1) && sign_of(h) != 0) {
        slips.push_back(vertex_slip(kConstantNotTimesA, Step::VertexForm,
                                    "配方后把括号里减去的常数移出括号时忘了乘 a", n.a, h,
                                    n.c - h * h));
        const Exact half = -n.b / 2; // x² + bx completed as if a were 1
        slips.push_back(vertex_slip(kFactorNotTakenOut, Step::FactorTakenOut,
                                    "提出二次项系数 a 时，一次项没有除以 a", n.a, half,
                                    n.c - n.a * half * half));
    }
    return slips;
}

} // namespace vornix::calc::detail
