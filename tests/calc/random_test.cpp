// Randomised checks against a reference computed independently with GMP.
#include "calc.hpp"

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

using vornix::calc::ArithmeticFault;
using vornix::calc::read_number;
using vornix::calc::show_number;
using vornix::calc::solve_line;
using vornix::calc::solve_quadratic;

namespace {

// ---- reference display rule -------------------------------------------------

std::string layout(bool negative, std::string digits, long exponent) {
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    std::string body;
    if (exponent < -4 || exponent >= 15) {
        body = digits.substr(0, 1) + (digits.size() > 1 ? "." + digits.substr(1) : "");
        char tail[32];
        std::snprintf(tail, sizeof tail, "E%c%02ld", exponent < 0 ? '-' : '+', std::labs(exponent));
        body += tail;
    } else if (exponent < 0) {
        body = "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    } else {
        digits.resize(std::max(digits.size(), static_cast<size_t>(exponent) + 1), '0');
        body = digits.substr(0, static_cast<size_t>(exponent) + 1);
        if (digits.size() > static_cast<size_t>(exponent) + 1) {
            body += "." + digits.substr(static_cast<size_t>(exponent) + 1);
        }
    }
    return (negative ? "-" : " ") + body;
}

mpq_class pow10(long e) {
    mpz_class p;
    mpz_ui_pow_ui(p.get_mpz_t(), 10, static_cast<unsigned long>(std::labs(e)));
    return e >= 0 ? mpq_class(p) : mpq_class(1, p);
}

std::string show_rational(const mpq_class& q) {
    if (q == 0) {
        return " 0";
    }
    const mpq_class m = abs(q);
    long e = 0;
    while (m >= pow10(e + 1)) {
        ++e;
    }
    while (m < pow10(e)) {
        --e;
    }
    const mpq_class scaled = m * pow10(14 - e);
    mpz_class digits = scaled.get_num() / scaled.get_den();
    const mpz_class rest = scaled.get_num() % scaled.get_den();
    if (2 * rest >= scaled.get_den()) {
        ++digits;
    }
    std::string text = digits.get_str();
    if (text.size() > 15) {
        text.resize(15);
        ++e;
    }
    return layout(q < 0, text, e);
}

// Irrational values never lie on a rounding boundary, so 60 digits decide.
std::string show_irrational(const mpf_class& x) {
    mp_exp_t e = 0;
    const std::string raw = x.get_str(e, 10, 60);
    const bool negative = raw[0] == '-';
    std::string digits = raw.substr(negative ? 1 : 0);
    digits.resize(60, '0');
    mpz_class head(digits.substr(0, 15));
    if (digits[15] >= '5') {
        ++head;
    }
    long exponent = e - 1;
    std::string text = head.get_str();
    if (text.size() > 15) {
        text.resize(15);
        ++exponent;
    }
    return layout(negative, text, exponent);
}

bool is_square(const mpq_class& q) {
    return mpz_perfect_square_p(q.get_num_mpz_t()) && mpz_perfect_square_p(q.get_den_mpz_t());
}

// ---- reference solvers --------------------------------------------------------

mpq_class exact_of(const std::string& decimal_text) {
    // Texts made by random_decimal: [-]digits[.digits]E[-]exponent
    const auto mark = decimal_text.find('E');
    std::string mantissa = decimal_text.substr(0, mark);
    long exponent = std::stol(decimal_text.substr(mark + 1));
    const auto point = mantissa.find('.');
    if (point != std::string::npos) {
        exponent -= static_cast<long>(mantissa.size() - point - 1);
        mantissa.erase(point, 1);
    }
    mpq_class value(mpz_class(mantissa) * pow10(exponent));
    value.canonicalize();
    return value;
}

std::string reference_quadratic(const mpq_class& a, const mpq_class& b, const mpq_class& c) {
    if (a == 0) {
        return "X=" + show_rational(-c / b);
    }
    const mpq_class delta = b * b - 4 * a * c;
    if (delta < 0) {
        return "△小于0，无解！";
    }
    if (is_square(delta)) {
        mpz_class rn, rd;
        mpz_sqrt(rn.get_mpz_t(), delta.get_num_mpz_t());
        mpz_sqrt(rd.get_mpz_t(), delta.get_den_mpz_t());
        const mpq_class s(rn, rd);
        return "X1=" + show_rational((-b - s) / (2 * a)) +
               "    X2=" + show_rational((-b + s) / (2 * a));
    }
    const mp_bitcnt_t bits = 4000;
    const mpf_class s = sqrt(mpf_class(delta, bits));
    const mpf_class two_a(2 * a, bits);
    const mpf_class minus_b(-b, bits);
    return "X1=" + show_irrational(mpf_class((minus_b - s) / two_a, bits)) +
           "    X2=" + show_irrational(mpf_class((minus_b + s) / two_a, bits));
}

// ---- random inputs --------------------------------------------------------------

class RandomTexts {
  public:
    explicit RandomTexts(unsigned stream) : engine_(stream) {}

    int between(int low, int high) { return std::uniform_int_distribution(low, high)(engine_); }

    std::string decimal(int max_digits, int max_exponent) {
        std::string text = between(0, 1) ? "-" : "";
        const int count = between(1, max_digits);
        for (int i = 0; i < count; ++i) {
            text += static_cast<char>('0' + between(i == 0 ? 1 : 0, 9));
        }
        if (count > 1 && between(0, 1)) {
            text.insert(text.size() - static_cast<size_t>(between(1, count - 1)), ".");
        }
        if (between(0, 9) == 0) {
            text = "0";
        }
        return text + "E" + std::to_string(between(-max_exponent, max_exponent));
    }

    // A one-decimal textbook value such as -3.7, as its count of tenths.
    int tenths() { return between(-99, 99); }

  private:
    std::mt19937 engine_;
};

std::string tenths_text(long tenths, int places = 1) {
    const mpq_class value(tenths, places == 1 ? 10 : 100);
    mpq_class v = value;
    v.canonicalize();
    // Written by hand rather than by the display rule under test.
    const bool negative = v < 0;
    const long magnitude = std::labs(tenths);
    const long unit = places == 1 ? 10 : 100;
    std::string text = std::to_string(magnitude / unit);
    long fraction = magnitude % unit;
    if (fraction != 0) {
        std::string f = std::to_string(fraction);
        f.insert(0, static_cast<size_t>(places) - f.size(), '0');
        while (f.back() == '0') {
            f.pop_back();
        }
        text += "." + f;
    }
    return (negative ? "-" : " ") + text;
}

TEST(RandomQuadratics, TextbookExercisesWithOneDecimalRootsAreExact) {
    RandomTexts random(20261207);
    for (int i = 0; i < 3000; ++i) {
        const long r1 = random.tenths();
        const long r2 = random.tenths();
        long a = random.between(-9, 9);
        a = a == 0 ? 1 : a;
        // With a in units and roots in tenths: b in tenths, c in hundredths.
        const long b = -a * (r1 + r2);
        const long c = a * r1 * r2;
        const std::string a_text = std::to_string(a);
        const std::string b_text = tenths_text(b);
        const std::string c_text = tenths_text(c, 2);
        const long low = std::min(r1, r2);
        const long high = std::max(r1, r2);
        const long first = a > 0 ? low : high;
        const long second = a > 0 ? high : low;
        const std::string expected = "X1=" + tenths_text(first) + "    X2=" + tenths_text(second);
        ASSERT_EQ(solve_quadratic(a_text, b_text, c_text), expected)
            << a_text << " | " << b_text << " | " << c_text;
    }
}

TEST(RandomLines, TextbookLinesWithOneDecimalPointsAreExact) {
    RandomTexts random(7);
    for (int i = 0; i < 3000; ++i) {
        long k = random.tenths();
        k = k == 0 ? 10 : k;
        const long b = random.tenths();
        const long x1 = random.tenths();
        long x2 = random.tenths();
        x2 = x2 == x1 ? x1 + 1 : x2;
        // y = k*x + b, in hundredths.
        const long y1 = k * x1 + 10 * b;
        const long y2 = k * x2 + 10 * b;
        const std::string expected = "Y=" + tenths_text(k) + " X  +" + tenths_text(b);
        ASSERT_EQ(
            solve_line(tenths_text(x1), tenths_text(y1, 2), tenths_text(x2), tenths_text(y2, 2)),
            expected);
    }
}

TEST(RandomQuadratics, ArbitraryDecimalsMatchTheExactReference) {
    RandomTexts random(42);
    for (int i = 0; i < 3000; ++i) {
        const std::string a = random.decimal(20, 20);
        const std::string b = random.decimal(20, 20);
        const std::string c = random.decimal(20, 20);
        const mpq_class qa = exact_of(a), qb = exact_of(b), qc = exact_of(c);
        if (qa == 0 && qb == 0) {
            EXPECT_THROW(solve_quadratic(a, b, c), ArithmeticFault);
            continue;
        }
        ASSERT_EQ(solve_quadratic(a, b, c), reference_quadratic(qa, qb, qc))
            << a << " | " << b << " | " << c;
    }
}

TEST(RandomLines, ArbitraryDecimalsMatchTheExactReference) {
    RandomTexts random(4242);
    for (int i = 0; i < 3000; ++i) {
        const std::string x1 = random.decimal(20, 20), y1 = random.decimal(20, 20);
        const std::string x2 = random.between(0, 9) ? random.decimal(20, 20) : x1;
        const std::string y2 = random.decimal(20, 20);
        const mpq_class qx1 = exact_of(x1), qy1 = exact_of(y1);
        const mpq_class qx2 = exact_of(x2), qy2 = exact_of(y2);
        std::string expected = "ERROR! 无法求解，请检查输入的坐标。";
        if (qx1 != qx2 && qy1 != qy2) {
            const mpq_class k = (qy2 - qy1) / (qx2 - qx1);
            expected = "Y=" + show_rational(k) + " X  +" + show_rational(qy1 - k * qx1);
        }
        ASSERT_EQ(solve_line(x1, y1, x2, y2), expected)
            << x1 << " " << y1 << " " << x2 << " " << y2;
    }
}

// A root (m + n√r)/d of the exact form, checked against the equation itself:
// simplest form, both the rational and the irrational part of a·x² + b·x + c
// zero, and its decimal rounding to the answer's number.
mpq_class fraction_of(const mpz_class& numerator, const mpz_class& denominator) {
    mpq_class value(numerator, denominator);
    value.canonicalize();
    return value;
}

void expect_exact_root(const vornix::calc::RootForm& root, const mpq_class& a, const mpq_class& b,
                       const mpq_class& c, const std::string& shown) {
    const mpz_class m(root.m), n(root.n), r(root.r), d(root.d);
    ASSERT_GT(d, 0) << root.text;
    mpz_class common;
    mpz_gcd(common.get_mpz_t(), m.get_mpz_t(), n.get_mpz_t());
    mpz_gcd(common.get_mpz_t(), common.get_mpz_t(), d.get_mpz_t());
    EXPECT_EQ(common, 1) << root.text;
    EXPECT_EQ(r == 1, n == 0) << root.text;
    for (mpz_class p = 2; p * p <= r; ++p) {
        ASSERT_NE(r % (p * p), 0) << root.text << " has the square " << p * p;
    }
    const mpq_class rational =
        a * fraction_of(m * m + n * n * r, d * d) + b * fraction_of(m, d) + c;
    const mpq_class irrational = a * fraction_of(2 * m * n, d * d) + b * fraction_of(n, d);
    EXPECT_EQ(rational, 0) << root.text;
    EXPECT_EQ(irrational, 0) << root.text;
    const mp_bitcnt_t bits = 400;
    const std::string decimal =
        r == 1 ? show_rational(fraction_of(m, d))
               : show_irrational(mpf_class(
                     (mpf_class(m, bits) + mpf_class(n, bits) * sqrt(mpf_class(r, bits))) /
                         mpf_class(d, bits),
                     bits));
    EXPECT_EQ(decimal, shown) << root.text;
}

TEST(RandomExactForms, RootsInSimplestFormSolveTheEquationAndRoundToTheAnswer) {
    RandomTexts random(20261208);
    int surds = 0;
    for (int i = 0; i < 2000; ++i) {
        long ta = random.tenths() * (random.between(0, 1) ? 10 : 1);
        ta = ta == 0 ? 10 : ta;
        const long tb = random.tenths();
        const long tc = random.tenths();
        const mpq_class a = fraction_of(ta, 10), b = fraction_of(tb, 10), c = fraction_of(tc, 10);
        const auto form =
            vornix::calc::exact_quadratic(tenths_text(ta), tenths_text(tb), tenths_text(tc));
        ASSERT_TRUE(form.has_value()) << ta << " " << tb << " " << tc;
        const mpq_class delta = b * b - 4 * a * c;
        EXPECT_EQ(form->delta, delta.get_str()) << ta << " " << tb << " " << tc;
        if (delta < 0) {
            continue;
        }
        const std::string answer =
            solve_quadratic(tenths_text(ta), tenths_text(tb), tenths_text(tc));
        const auto gap = answer.find("    X2=");
        ASSERT_TRUE(form->simplified) << answer;
        expect_exact_root(form->x1, a, b, c, answer.substr(3, gap - 3));
        expect_exact_root(form->x2, a, b, c, answer.substr(gap + 7));
        surds += form->x1.r != "1" ? 1 : 0;
    }
    EXPECT_GT(surds, 500) << "most roots are surds";
}

TEST(RandomDoubles, DisplayReadsBackAndNeverShowsInfOrNan) {
    std::mt19937_64 engine(99);
    for (int i = 0; i < 20000; ++i) {
        double x = 0;
        const std::uint64_t bits = engine();
        std::memcpy(&x, &bits, sizeof x);
        if (!std::isfinite(x)) {
            continue;
        }
        const std::string shown = show_number(x);
        ASSERT_EQ(shown.find_first_of("infINFaA"), std::string::npos) << shown;
        const double back = read_number(shown);
        ASSERT_LE(std::fabs(back - x), std::fabs(x) * 5.1e-15 + 1e-323) << shown;
        ASSERT_EQ(shown, show_rational(mpq_class(x))) << "one rounding path for doubles";
    }
}

TEST(RandomSolvers, AnswersNeverHoldInfOrNan) {
    RandomTexts random(1);
    for (int i = 0; i < 2000; ++i) {
        const std::string a = random.decimal(34, 330), b = random.decimal(34, 330);
        const std::string c = random.decimal(34, 330), d = random.decimal(34, 330);
        for (int which = 0; which < 2; ++which) {
            try {
                const std::string answer =
                    which == 0 ? solve_quadratic(a, b, c) : solve_line(a, b, c, d);
                ASSERT_EQ(answer.find("inf"), std::string::npos) << answer;
                ASSERT_EQ(answer.find("nan"), std::string::npos) << answer;
            } catch (const ArithmeticFault&) {
                // a fault is an allowed outcome; only a bad answer is wrong
            }
        }
    }
}

} // namespace
