#include "answer_check.hpp"

#include <algorithm>
#include <exception>

namespace vornix::calc {
namespace detail {
namespace {

// What a page asks for, decided once for the hint and for the check.
enum class Asked { Nothing, Roots, Line, Vertex, Crossings, Constant };

Asked asked(const Exercise& exercise, Page page) {
    if (!exercise.numbers) {
        return Asked::Nothing;
    }
    const ExerciseNumbers& n = *exercise.numbers;
    if (n.quadratic && n.quadratic->outcome == Outcome::NoEquation) {
        return page == Page::Function ? Asked::Constant : Asked::Nothing;
    }
    if (exercise.outcome != Outcome::Solved) {
        return Asked::Nothing;
    }
    if (n.line) {
        return page == Page::Solve ? Asked::Line : Asked::Crossings;
    }
    if (page == Page::Solve) {
        return Asked::Roots;
    }
    return sign_of(n.quadratic->a) == 0 ? Asked::Crossings : Asked::Vertex;
}

// The line y = kx + b the Function page studies: the line's, or the
// quadratic window's y = bx + c when a = 0.
std::pair<Exact, Exact> studied_line(const ExerciseNumbers& n) {
    if (n.line) {
        return {n.line->k, n.line->b};
    }
    return {n.quadratic->b, n.quadratic->c};
}

// "0.5", "1.0" or "1E-1" among the entries: a point in the typed text, not
// a fraction in the value, decides.
bool typed_with_decimals(const ExerciseNumbers& n) {
    const auto decimal = [](const Decimal& typed) { return typed.exponent < 0; };
    if (n.line) {
        const LineNumbers& l = *n.line;
        return decimal(l.typed_x1) || decimal(l.typed_y1) || decimal(l.typed_x2) ||
               decimal(l.typed_y2);
    }
    const QuadraticNumbers& q = *n.quadratic;
    return decimal(q.typed_a) || decimal(q.typed_b) || decimal(q.typed_c);
}

Method shown_method(const Exercise& exercise, std::optional<Method> method) {
    const auto& w = exercise.workings;
    if (method && std::any_of(w.begin(), w.end(),
                              [&](const Working& working) { return working.method == *method; })) {
        return *method;
    }
    return exercise.default_working < w.size() ? w[exercise.default_working].method
                                               : Method::Formula;
}

Verdict one_line(Mark mark, std::string line) {
    return {mark, {std::string(mark_word(mark)) + "：" + std::move(line)}, {}, {}};
}

Verdict nothing_to_check(const Exercise& exercise, Page page) {
    const std::string& why =
        page == Page::Function ? exercise.function.explanation : exercise.explanation;
    return one_line(Mark::NothingToCheck, why.empty() ? "这道题没有可以检查的答案." : why);
}

Verdict problem_verdict(const ReadProblem& problem) {
    const std::string part = "“" + problem.part + "”";
    switch (problem.kind) {
    case ReadProblem::Kind::TooLong:
        return one_line(Mark::Unreadable, "答案太长了（超过 200 个字），只写出答案就可以.");
    case ReadProblem::Kind::Unreadable:
        return one_line(Mark::Unreadable,
                        problem.part.empty() ? "答案没有写完." : "从" + part + "起读不下去.");
    case ReadProblem::Kind::DivisionByZero:
        return one_line(Mark::Unreadable, part + "里除以了 0.");
    case ReadProblem::Kind::NotReal:
        return one_line(Mark::Wrong, part + "的根号下是负数，不是实数.");
    case ReadProblem::Kind::Unworkable:
        break;
    }
    return one_line(Mark::Wrong, part + "不会是这道题的答案.");
}

std::string joined(const std::vector<std::string>& parts, std::string_view between) {
    std::string text;
    for (const std::string& part : parts) {
        text += (text.empty() ? "" : std::string(between)) + part;
    }
    return text;
}

std::string form_clause(const std::vector<FormNote>& notes) {
    std::vector<std::string> parts;
    for (const FormNote& note : notes) {
        parts.push_back(note.written + " 可化简为 " + note.simplest);
    }
    return joined(parts, "；");
}

std::string approximate_clause(const std::vector<std::string>& approximate) {
    return joined(approximate, "、") + " 是近似值，请写出准确值";
}

Verdict check(const Exercise& exercise, Page page, std::optional<Method> method,
              std::string_view answer) {
    const Asked what = asked(exercise, page);
    if (what == Asked::Nothing) {
        return nothing_to_check(exercise, page);
    }
    const ReadAnswer read = read_answer(answer);
    if (read.problem) {
        return problem_verdict(*read.problem);
    }
    if (read.items.empty() && !read.no_real_roots) {
        return one_line(Mark::Unreadable, "还没有写答案.");
    }
    const ExerciseNumbers& n = *exercise.numbers;
    const Checking checking{
        exercise, n, answer, page, shown_method(exercise, method), typed_with_decimals(n)};
    switch (what) {
    case Asked::Roots:
        return check_roots(checking, read);
    case Asked::Line:
        return check_line(checking, read);
    case Asked::Vertex:
        return check_vertex(checking, read);
    case Asked::Crossings: {
        const auto [k, b] = studied_line(n);
        return check_crossings(checking, read, k, b);
    }
    default:
        return check_constant(checking, read, n.quadratic->c);
    }
}

} // namespace

Verdict verdict_of(const Findings& f) {
    if (!f.wrong.empty()) {
        return one_line(Mark::Wrong, joined(f.wrong, "；") + ".");
    }
    Verdict verdict;
    if (!f.missing.empty()) {
        verdict = one_line(Mark::Incomplete, joined(f.missing, "；") + ".");
        if (!f.approximate.empty()) {
            verdict.lines.push_back("另外，" + approximate_clause(f.approximate) + ".");
        }
    } else if (!f.approximate.empty()) {
        verdict = one_line(Mark::Approximate, approximate_clause(f.approximate) + ".");
    } else if (!f.unsimplified.empty()) {
        return one_line(Mark::Unsimplified, form_clause(f.unsimplified) + ".");
    } else {
        return one_line(Mark::Correct, f.correct + ".");
    }
    if (!f.unsimplified.empty()) {
        verdict.lines.push_back("另外，" + form_clause(f.unsimplified) + ".");
    }
    return verdict;
}

Verdict wrong_because(std::string why) {
    return one_line(Mark::Wrong, std::move(why) + ".");
}

Closeness closeness(const Surd& value, const Node* written, const Surd& asked) {
    if (same(value, asked)) {
        return Closeness::Same;
    }
    const auto places = written ? decimal_places(*written) : std::nullopt;
    if (places && is_rational(value)) {
        Integer unit = 1;
        for (int place = 0; place < *places; ++place) {
            unit *= 10;
        }
        if (within(asked, value.p, Exact(Integer(1), 2 * unit))) {
            return Closeness::Near;
        }
    }
    return Closeness::Different;
}

void note_approximate(const Checking& checking, const Node& written, Findings& findings) {
    findings.approximate.push_back(written_text(written, checking.entry));
    findings.approximated.push_back(&written);
}

Verdict off_page(const Checking& checking, const Node& part) {
    return one_line(Mark::Unreadable,
                    "这里要" + std::string(question(checking.exercise, checking.page)) + "，“" +
                        shortened(written_text(part, checking.entry)) + "”不是这样的答案.");
}

void add_form_notes(const Checking& checking, const std::vector<Item>& items, Findings& findings) {
    for (const Item& item : items) {
        const auto notes = unsimplified_parts(item.expression, checking.entry,
                                              checking.decimals_simplest, findings.approximated);
        findings.unsimplified.insert(findings.unsimplified.end(), notes.begin(), notes.end());
    }
}

void diagnose(const Checking& checking, const std::vector<const Slip*>& explaining,
              Verdict& verdict) {
    std::vector<int> kinds;
    std::vector<int> kinds_shown;
    const Slip* named = nullptr;
    const Slip* named_shown = nullptr;
    for (const Slip* slip : explaining) {
        const bool of_shown = !slip->method || *slip->method == checking.shown;
        if (std::find(kinds.begin(), kinds.end(), slip->kind) == kinds.end()) {
            kinds.push_back(slip->kind);
            named = named ? named : slip;
        }
        if (of_shown &&
            std::find(kinds_shown.begin(), kinds_shown.end(), slip->kind) == kinds_shown.end()) {
            kinds_shown.push_back(slip->kind);
            named_shown = named_shown ? named_shown : slip;
        }
    }
    const Slip* slip = kinds.size() == 1 ? named : kinds_shown.size() == 1 ? named_shown : nullptr;
    if (slip == nullptr) {
        return;
    }
    verdict.lines.push_back("可能的错因：" + (slip->evidence.empty() ? "" : slip->evidence + "，") +
                            slip->cause + ".");
    const Exercise& e = checking.exercise;
    if (checking.page == Page::Function) {
        if (const auto line = find_step(e.function.lines, slip->step)) {
            verdict.working_line = line;
            verdict.lines.push_back("对照解题过程第 " + std::to_string(*line + 1) + " 行.");
        }
        return;
    }
    // The step in the working shown, else in the working of the slip's method.
    for (const Method method : {checking.shown, slip->method.value_or(checking.shown)}) {
        for (const Working& working : e.workings) {
            const auto line =
                working.method == method ? find_step(working.lines, slip->step) : std::nullopt;
            if (!line) {
                continue;
            }
            verdict.working_line = line;
            verdict.working_method = method;
            const std::string whose =
                method == checking.shown ? "" : std::string(method_name(method)) + "的";
            verdict.lines.push_back("对照" + whose + "解题过程第 " + std::to_string(*line + 1) +
                                    " 行.");
            return;
        }
    }
}

std::string point_words(const Exact& x, const Exact& y) {
    return "(" + decimal_or_fraction(x) + ", " + decimal_or_fraction(y) + ")";
}

} // namespace detail

std::string_view mark_word(Mark mark) {
    switch (mark) {
    case Mark::Correct:
        return "正确";
    case Mark::Incomplete:
        return "不完整";
    case Mark::Unsimplified:
        return "未化简";
    case Mark::Approximate:
        return "近似值";
    case Mark::Wrong:
        return "不正确";
    case Mark::Unreadable:
        return "看不懂";
    case Mark::NothingToCheck:
        break;
    }
    return "无法检查";
}

std::string_view question(const Exercise& exercise, Page page) {
    using detail::Asked;
    switch (detail::asked(exercise, page)) {
    case Asked::Roots:
        return detail::sign_of(exercise.numbers->quadratic->a) == 0
                   ? "写出方程的解"
                   : "写出方程的解（没有实数根时写“无实数根”）";
    case Asked::Line:
        return "写出一次函数的解析式";
    case Asked::Vertex:
        return "写出顶点式或顶点坐标";
    case Asked::Crossings:
        return detail::sign_of(detail::studied_line(*exercise.numbers).second) == 0
                   ? "写出直线与坐标轴的交点"
                   : "写出直线与坐标轴的交点或三角形的面积";
    case Asked::Constant:
        return "写出图象与 y 轴的交点";
    case Asked::Nothing:
        break;
    }
    return "这道题没有可以检查的答案";
}

Verdict check_answer(const Exercise& exercise, Page page, std::optional<Method> method,
                     std::string_view answer) {
    try {
        return detail::check(exercise, page, method, answer);
    } catch (const std::exception&) {
        // Not expected: the reader bounds every number. The fuzz target
        // fails on this line, so that a cause would be found.
        return detail::one_line(Mark::Unreadable, "这个答案算不下去.");
    }
}

} // namespace vornix::calc
