// The working of a quadratic equation as a grade-9 textbook writes it:
// the equation made integer and primitive with a positive a, each step a line
// of its own, then 公式法, 配方法 or 因式分解法.
#include "working.hpp"
#include "writing.hpp"

#include <boost/multiprecision/integer.hpp>

#include <algorithm>
#include <initializer_list>

namespace vornix::calc::detail {
namespace {

using boost::multiprecision::gcd;

// The integer equation the methods work on, a > 0 and no common factor, and
// the steps that made it.
struct Prepared {
    Integer a;
    Integer b;
    Integer c;
    std::vector<Formula> lines;
    std::vector<std::array<std::string, 3>> equations;
};

Formula equation(const Exact& a, const Exact& b, const Exact& c) {
    Line line;
    line << polynomial(coefficient_of(a), coefficient_of(b), coefficient_of(c)) << "=0";
    return line;
}

// What clears the decimals, as a student clears them: halves, quarters and
// eighths by 2, 4 or 8, anything else by 10, 100, … (never by 5 or 25), given
// the denominators' least common multiple.
Integer clearing_multiplier(const Integer& denominators) {
    if (denominators == 2 || denominators == 4 || denominators == 8) {
        return denominators;
    }
    Integer rest = denominators;
    int twos = 0;
    int fives = 0;
    for (; rest % 2 == 0; rest /= 2) {
        ++twos;
    }
    for (; rest % 5 == 0; rest /= 5) {
        ++fives;
    }
    if (rest != 1) {
        return denominators; // not a decimal's: no power of ten clears it
    }
    return boost::multiprecision::pow(Integer(10), static_cast<unsigned>(std::max(twos, fives)));
}

Prepared prepare(const QuadraticNumbers& n) {
    Prepared p;
    const auto step = [&p](const std::string& words, const Exact& a, const Exact& b,
                           const Exact& c) {
        p.lines.push_back(Line() << words << "，得 " << equation(a, b, c) << ".");
        p.equations.push_back(record(a, b, c));
    };
    using boost::multiprecision::lcm;
    const Integer scale =
        clearing_multiplier(lcm(lcm(denominator(n.a), denominator(n.b)), denominator(n.c)));
    const Integer common = gcd(gcd(abs(numerator(n.a * scale)), abs(numerator(n.b * scale))),
                               abs(numerator(n.c * scale)));
    // A negative a goes with the division, or else with the multiplication,
    // so that making it positive takes no line of its own.
    const bool sign_divides = n.a < 0 && common > 1;
    const Integer multiplier = n.a < 0 && !sign_divides ? Integer(-scale) : scale;
    const Integer divisor = sign_divides ? Integer(-common) : common;
    Exact a = n.a * multiplier;
    Exact b = n.b * multiplier;
    Exact c = n.c * multiplier;
    if (multiplier != 1) {
        step("方程两边同乘以 " + integer_text(multiplier), a, b, c);
    }
    if (divisor != 1) {
        a /= divisor;
        b /= divisor;
        c /= divisor;
        step("方程两边同除以 " + integer_text(divisor), a, b, c);
    }
    p.a = numerator(a);
    p.b = numerator(b);
    p.c = numerator(c);
    return p;
}

// The roots in the order the working names them x₁ and x₂.
struct RootPair {
    const RootForm& x1;
    const RootForm& x2;
};

// "x₁=…，x₂=…."; "x₁=x₂=…." for a double root.
Formula roots_line(std::string_view before, const RootPair& roots) {
    Line line;
    line << before;
    if (roots.x1.text == roots.x2.text) {
        line << "x₁=x₂=" << root_value(roots.x1) << ".";
    } else {
        line << "x₁=" << root_value(roots.x1) << "，x₂=" << root_value(roots.x2) << ".";
    }
    return line;
}

Formula integer(const Integer& value) {
    return {text(integer_text(value))};
}

Working start(Method method, const Prepared& p) {
    return {method, p.lines, p.equations};
}

// The value of x: (−b ± root)/(2a) written with the signs as a textbook
// sets them; with b = 0 the ± stands before the fraction.
Formula over(const Integer& b, const Formula& root_part, const Formula& bottom) {
    Line line;
    if (b == 0) {
        return std::move(line) << "±" << fraction(root_part, bottom);
    }
    return std::move(line) << fraction(Line() << integer_text(-b) << "±" << root_part, bottom);
}

// x = (−b ± √Δ)/(2a), the surd simplified and the fraction reduced each in a step.
Formula x_line(const Prepared& p, const Integer& delta) {
    const Integer two_a = 2 * p.a;
    const Formula two_a_text{text(digits_of(two_a))};
    Line line;
    line << "x=" << quadratic_formula() << "="
         << over(p.b, {root({text(digits_of(delta))})}, Line() << "2×" << digits_of(p.a));
    const std::optional<SquareFree> parts = square_free(delta);
    if (!parts) {
        return std::move(line) << "，";
    }
    const bool rational = parts->free == 1;
    const Formula simplified =
        rational ? Formula{text(digits_of(parts->square))} : surd(parts->square, parts->free);
    line << "=" << over(p.b, simplified, two_a_text);
    // Rational roots are read off (1±3)/2 directly; a surd is reduced first.
    const Integer common = gcd(gcd(abs(p.b), parts->square), two_a);
    if (common > 1 && !rational) {
        const Integer d = two_a / common;
        const Formula reduced = rational ? Formula{text(digits_of(Integer(parts->square / common)))}
                                         : surd(parts->square / common, parts->free);
        if (d == 1) {
            line << "=";
            if (p.b != 0) {
                line << integer_text(-p.b / common);
            }
            line << "±" << reduced;
        } else {
            line << "=" << over(p.b / common, reduced, {text(digits_of(d))});
        }
    } else if (common > 1 && p.b == 0) {
        line << "=±" << number(Exact(parts->square) / Exact(two_a));
    }
    return std::move(line) << "，";
}

Working formula_method(const Prepared& p, const RootPair& roots) {
    Working w = start(Method::Formula, p);
    w.lines.push_back(Line() << "a=" << integer(p.a) << "，b=" << integer(p.b)
                             << "，c=" << integer(p.c) << ".");
    const Integer delta = p.b * p.b - 4 * p.a * p.c;
    Line delta_line;
    delta_line << "Δ=b²" << kMinus << "4ac=" << bracketed(integer(p.b), p.b < 0) << "²" << kMinus
               << "4×" << digits_of(p.a) << "×" << bracketed(integer(p.c), p.c < 0) << "="
               << integer(delta);
    if (delta < 0) {
        w.lines.push_back(std::move(delta_line) << "<0，");
        w.lines.push_back(Line() << "方程没有实数根.");
        return w;
    }
    if (delta == 0) {
        w.lines.push_back(std::move(delta_line) << "，");
        w.lines.push_back(Line() << "方程有两个相等的实数根，");
        Line line;
        line << "x₁=x₂=" << kMinus << fraction({text("b")}, {text("2a")}) << "=";
        if (p.b > 0) {
            line << kMinus;
        }
        line << fraction({text(digits_of(abs(p.b)))}, Line() << "2×" << digits_of(p.a)) << "="
             << root_value(roots.x1) << ".";
        w.lines.push_back(std::move(line));
        return w;
    }
    w.lines.push_back(std::move(delta_line) << ">0，");
    w.lines.push_back(Line() << "方程有两个不等的实数根，");
    w.lines.push_back(x_line(p, delta));
    w.lines.push_back(roots_line("即 ", roots));
    return w;
}

// ±√q for q > 0, then simplified: "±√8=±2√2", "±√(17/16)=±√17/4", "±3/2".
Formula plus_minus_root(const Exact& q) {
    const Integer u = numerator(q);
    const Integer v = denominator(q);
    const Integer root_u = sqrt(u);
    const Integer root_v = sqrt(v);
    Line line;
    if (root_u * root_u == u && root_v * root_v == v) {
        return std::move(line) << "±" << number(Exact(root_u) / Exact(root_v));
    }
    line << "±" << root(number(q));
    const std::optional<SquareFree> parts = square_free(u * v);
    if (!parts) {
        return line;
    }
    const Integer common = gcd(parts->square, v);
    const Integer s = parts->square / common;
    const Integer d = v / common;
    if (s == 1 && v == 1) {
        return line; // √u is already as simple as it gets
    }
    line << "=±";
    return d == 1 ? std::move(line) << surd(s, parts->free)
                  : std::move(line) << fraction(surd(s, parts->free), {text(digits_of(d))});
}

// Where 配方法 meets a number past the exact limit, it stops and says so
// rather than go on from a rounded number: the formula's working has the roots.
constexpr std::string_view kTooLongToComplete =
    "再往下的数字位数太多，不能写出精确值；方程的精确解见公式法.";

// The lines of a method that stays exact: a line that would hold a rounded
// number is left out, and the method ends there with kTooLongToComplete.
class ExactSteps {
  public:
    explicit ExactSteps(Working& working) : working_(working) {}
    // Writes the line and the equations it states; false once the method has ended.
    bool add(Formula line, std::initializer_list<std::array<std::string, 3>> states = {}) {
        if (ended_ || holds_rounded(line)) {
            if (!ended_) {
                working_.lines.push_back(Line() << kTooLongToComplete);
            }
            ended_ = true;
            return false;
        }
        working_.lines.push_back(std::move(line));
        working_.equations.insert(working_.equations.end(), states);
        return true;
    }

  private:
    Working& working_;
    bool ended_ = false;
};

Working square_method(const Prepared& p, const RootPair& roots) {
    Working w = start(Method::CompletingSquare, p);
    ExactSteps steps(w);
    const Exact a(p.a);
    if (p.c != 0 &&
        !steps.add(Line() << "移项，得 "
                          << polynomial(coefficient_of(a), coefficient_of(Exact(p.b)), kNoTerm)
                          << "=" << integer(-p.c) << ".",
                   {record(a, Exact(p.b), Exact(p.c))})) {
        return w;
    }
    const Exact b = Exact(p.b) / a;
    const Exact c = Exact(p.c) / a;
    if (p.a != 1 && !steps.add(Line() << "二次项系数化为1，得 "
                                      << polynomial(coefficient_of(1), coefficient_of(b), kNoTerm)
                                      << "=" << number(-c) << ".",
                               {record(1, b, c)})) {
        return w;
    }
    const Exact h = b / 2;
    const Exact q = h * h - c;
    if (b != 0) {
        const Exact p_half = abs(h);
        const Formula square = denominator(p_half) == 1
                                   ? Formula(Line() << number(p_half) << "²")
                                   : Formula(Line() << "(" << number(p_half) << ")²");
        Line line;
        line << "配方，得 " << polynomial(coefficient_of(1), coefficient_of(b), kNoTerm) << "+"
             << square << "=";
        if (c != 0) {
            line << number(-c) << "+";
        }
        if (!steps.add(std::move(line) << square << "，", {record(1, b, c)}) ||
            !steps.add(Line() << "(" << shifted(h) << ")²=" << number(q) << ".",
                       {record(1, 2 * h, h * h - q)})) {
            return w;
        }
    }
    // With b = 0 there is nothing to complete: the square root is taken at once.
    const std::string_view taken = b == 0 ? "直接开平方，得 " : "由此可得 ";
    if (q < 0) {
        steps.add(Line() << "因为任何实数的平方都不会是负数，所以方程没有实数根.");
    } else if (q == 0) {
        steps.add(roots_line(taken, roots));
    } else if (steps.add(Line() << taken << shifted(h) << "=" << plus_minus_root(q) << "，",
                         {record(1, 2 * h, h * h - q)})) {
        steps.add(roots_line("", roots));
    }
    return w;
}

// The linear factor q·x − p of a rational root p/q: "2x−1", "x+3", "x".
struct Factor {
    Integer q;
    Integer p;
    Formula written;
    const RootForm& root;
};

Factor factor_of(const RootForm& form) {
    const Exact value = Exact(Integer(form.m)) / Exact(Integer(form.d));
    Factor f{denominator(value), numerator(value), {}, form};
    Line line;
    if (f.q != 1) {
        line << digits_of(f.q);
    }
    line << "x";
    if (f.p != 0) {
        line << (f.p > 0 ? kMinus : "+") << digits_of(abs(f.p));
    }
    f.written = line;
    return f;
}

bool is_plain_x(const Factor& f) {
    return f.q == 1 && f.p == 0;
}

Formula in_brackets(const Factor& f) {
    return Line() << "(" << f.written << ")";
}

// x₁ from the factor written first.
Working factor_method(const Prepared& p, const RootPair& roots) {
    Working w = start(Method::Factoring, p);
    const Factor first = factor_of(roots.x1);
    const Factor second = factor_of(roots.x2);
    const bool twice = roots.x1.text == roots.x2.text;
    if (twice && is_plain_x(first)) {
        // x²=0 is its own factored form: the roots follow from it at once.
        w.lines.push_back(roots_line("", roots));
        return w;
    }
    const auto product =
        record(Exact(first.q * second.q), Exact(-(first.q * second.p + second.q * first.p)),
               Exact(first.p * second.p));
    // The factors in the order the product writes them: a plain x in front.
    const bool swapped = !twice && is_plain_x(second) && !is_plain_x(first);
    const Factor& left = swapped ? second : first;
    const Factor& right = swapped ? first : second;
    Line factored;
    factored << "因式分解，得 ";
    if (twice) {
        factored << in_brackets(left) << "²";
    } else {
        factored << (is_plain_x(left) ? left.written : in_brackets(left)) << in_brackets(right);
    }
    w.lines.push_back(std::move(factored) << "=0.");
    w.equations.push_back(product);
    Line split;
    split << "于是得 " << left.written << "=0";
    if (!twice) {
        split << " 或 " << right.written << "=0";
    }
    w.lines.push_back(std::move(split) << "，");
    w.equations.push_back(product);
    w.lines.push_back(roots_line("", {left.root, right.root}));
    return w;
}

void begin_with_answer_word(Working& working) {
    if (!working.lines.empty()) {
        working.lines.front().insert(working.lines.front().begin(), text("解："));
        Line merged;
        merged << working.lines.front();
        working.lines.front() = merged;
    }
}

} // namespace

std::vector<Working> quadratic_workings(const QuadraticNumbers& n, const ExactQuadratic& exact,
                                        std::size_t& chosen) {
    std::vector<Working> workings;
    chosen = 0;
    if (n.a == 0) {
        workings.push_back(linear_working(n));
    } else if (!exact.simplified) {
        workings.push_back(rounded_formula_working(n));
    } else {
        // The working makes a positive: the − branch of its ± is the smaller
        // root, x₁, whatever the sign of the a typed.
        const bool turned = sign_of(n.a) < 0;
        const RootPair roots{turned ? exact.x2 : exact.x1, turned ? exact.x1 : exact.x2};
        const Prepared p = prepare(n);
        const bool rational = n.roots && exact.x1.r == "1" && exact.x2.r == "1";
        workings.push_back(formula_method(p, roots));
        if (std::ranges::any_of(workings.front().lines, holds_rounded)) {
            // Integers past the exact limit: the formula with the numbers as typed.
            workings.front() = rounded_formula_working(n);
        } else {
            workings.push_back(square_method(p, roots));
            if (rational) {
                workings.push_back(factor_method(p, roots));
                chosen = 2;
            } else if (p.a == 1 && p.b % 2 == 0) {
                chosen = 1;
            }
        }
    }
    for (Working& working : workings) {
        begin_with_answer_word(working);
    }
    return workings;
}

Formula quadratic_statement(const QuadraticNumbers& n) {
    Line line;
    line << "解方程 "
         << polynomial(typed_coefficient(n.typed_a), typed_coefficient(n.typed_b),
                       typed_coefficient(n.typed_c))
         << "=0.";
    return line;
}

} // namespace vornix::calc::detail
