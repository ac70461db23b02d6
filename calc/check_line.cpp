// 求解析式 and the line's 函数的性质: y = kx + b (or k and b on their own),
// its crossings with the axes or its triangle's area; and y = c.
#include "answer_check.hpp"

#include <algorithm>

namespace vornix::calc::detail {
namespace {

// One value as given, with the node it was typed as where it is one part.
struct Slot {
    Surd value;
    const Node* written = nullptr;
    std::string text;
};

bool labelled(const Item& item, std::initializer_list<Label> allowed) {
    return std::all_of(item.labels.begin(), item.labels.end(), [&](Label label) {
        return std::find(allowed.begin(), allowed.end(), label) != allowed.end();
    });
}

bool single(const Node& node) {
    return node.value.size() == 1;
}
bool single_number(const Node& node) {
    return single(node) && node.value.front().degree() == 0;
}

// k and b of y = kx + b as written, each with the part it was typed as
// where the expression is one term in x and one constant.
void read_expression(const Item& item, std::string_view entry, std::optional<Slot>& k,
                     std::optional<Slot>& b) {
    const Poly& value = item.expression.value.front();
    const std::string text = "y=" + written_text(item.expression, entry);
    k = Slot{value.c[1], nullptr, text};
    b = Slot{value.c[0], nullptr, text};
    const std::vector<Term> terms = terms_of(item.expression);
    std::vector<const Node*> with_x;
    std::vector<const Node*> constants;
    for (const Term& term : terms) {
        (single_number(*term.node) ? constants : with_x).push_back(term.node);
    }
    if (with_x.size() == 1 && constants.size() <= 1) {
        if (const auto part = coefficient_part(*with_x.front()); part && *part) {
            k->written = *part;
        }
        b->written = constants.empty() ? nullptr : constants.front();
    }
}

bool on_line(const Surd& k, const Surd& b, const Exact& x, const Exact& y) {
    const auto kx = multiply(k, rational(x));
    const auto sum = kx ? add(*kx, b) : std::nullopt;
    return sum && same(*sum, rational(y));
}

void weigh(const Checking& checking, const Slot& slot, const Exact& asked, std::string_view name,
           Findings& findings, bool& wrong) {
    switch (closeness(slot.value, slot.written, rational(asked))) {
    case Closeness::Same:
        return;
    case Closeness::Near:
        note_approximate(checking, *slot.written, findings);
        return;
    case Closeness::Different:
        wrong = true;
        findings.wrong.push_back(std::string(name) + " 不对");
    }
}

// The points the line given misses: one at least, two points making one line.
std::string misses(const Checking& checking, const Slot& k, const Slot& b) {
    const LineNumbers& n = *checking.numbers.line;
    // The line as the student wrote it, or made from k and b given apart.
    const bool written_whole = k.text.starts_with("y=");
    const std::string line =
        written_whole ? "直线 " + k.text
        : is_rational(k.value) && is_rational(b.value)
            ? "直线 y=" + polynomial_text(0, k.value.p, b.value.p, checking.decimals_simplest)
            : "这条直线";
    std::string missed;
    for (const auto& [x, y] : {std::pair{n.x1, n.y1}, std::pair{n.x2, n.y2}}) {
        if (!on_line(k.value, b.value, x, y)) {
            missed += (missed.empty() ? "" : " 和 ") + point_words(x, y);
        }
    }
    return line + " 不经过点 " + missed;
}

void add_line_diagnosis(const Checking& checking, const Slot& k, const Slot& b, Verdict& verdict) {
    if (!is_rational(k.value) || !is_rational(b.value)) {
        return;
    }
    const std::vector<Slip> slips = line_slips(*checking.numbers.line);
    std::vector<const Slip*> explaining;
    for (const Slip& slip : slips) {
        if (same_value(slip.line[0], k.value.p) && same_value(slip.line[1], b.value.p)) {
            explaining.push_back(&slip);
        }
    }
    diagnose(checking, explaining, verdict);
}

} // namespace

Verdict check_line(const Checking& checking, const ReadAnswer& read) {
    const LineNumbers& n = *checking.numbers.line;
    std::optional<Slot> k;
    std::optional<Slot> b;
    for (const Item& item : read.items) {
        const Node& e = item.expression;
        const bool expression = labelled(item, {Label::Y}) && single(e) && e.value[0].degree() > 0;
        const bool one_number = item.labels.size() == 1 && single_number(e);
        if (expression && e.value[0].degree() == 1) {
            read_expression(item, checking.entry, k, b);
        } else if (expression) {
            return wrong_because("y=" + written_text(e, checking.entry) + " 不是一次函数");
        } else if (one_number && item.labels[0] == Label::Y) {
            // y = c, k = 0: a slip can lead there (a point's coordinates exchanged).
            Verdict verdict =
                wrong_because("y=" + written_text(e, checking.entry) + " 不是一次函数（k=0）");
            add_line_diagnosis(checking, Slot{rational(0), nullptr, {}},
                               Slot{e.value[0].c[0], nullptr, {}}, verdict);
            return verdict;
        } else if (one_number && item.labels[0] == Label::K) {
            k = Slot{e.value[0].c[0], &e, written_text(e, checking.entry)};
        } else if (one_number && item.labels[0] == Label::B) {
            b = Slot{e.value[0].c[0], &e, written_text(e, checking.entry)};
        } else {
            return off_page(checking, e);
        }
    }
    if (read.no_real_roots) {
        return wrong_because("这里要写一次函数的解析式 y=kx+b，不是方程的根");
    }
    Findings findings;
    bool wrong = false;
    if (k && b) {
        Findings values;
        weigh(checking, *k, n.k, "k", values, wrong);
        weigh(checking, *b, n.b, "b", values, wrong);
        findings.approximate = values.approximate;
        findings.approximated = values.approximated;
        if (wrong) {
            findings.wrong.push_back(misses(checking, *k, *b));
        }
    } else {
        if (k) {
            weigh(checking, *k, n.k, "k=" + k->text, findings, wrong);
        }
        if (b) {
            weigh(checking, *b, n.b, "b=" + b->text, findings, wrong);
        }
        findings.missing.push_back(k ? "还要写出 b" : "还要写出 k");
    }
    findings.correct = "直线 y=" + polynomial_text(0, n.k, n.b, checking.decimals_simplest) +
                       " 经过点 " + point_words(n.x1, n.y1) + " 和 " + point_words(n.x2, n.y2);
    if (!wrong) {
        add_form_notes(checking, read.items, findings);
    }
    Verdict verdict = verdict_of(findings);
    if (verdict.mark == Mark::Wrong && k && b && findings.approximate.empty()) {
        add_line_diagnosis(checking, *k, *b, verdict);
    }
    return verdict;
}

} // namespace vornix::calc::detail
