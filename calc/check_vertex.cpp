// 函数的性质 of a parabola: its vertex form y = a(x − h)² + k, or its vertex.
#include "answer_check.hpp"

#include <algorithm>

namespace vornix::calc::detail {
namespace {

struct Parabola {
    Exact a;
    Exact b;
    Exact c;
    Exact h;
    Exact k;
};

bool single_number(const Node& node) {
    return node.value.size() == 1 && node.value.front().degree() == 0;
}

const Surd& number_of(const Node& node) {
    return node.value.front().c[0];
}

// What a wrong answer says about the vertex, for the slips: a, h and k of a
// vertex form, or h and k of a point.
struct Claimed {
    std::optional<Exact> a;
    Exact h;
    Exact k;
};

std::string function_text(const Parabola& p, bool decimals) {
    return "y=" + polynomial_text(p.a, p.b, p.c, decimals);
}

class VertexCheck {
  public:
    VertexCheck(const Checking& checking, const Parabola& p) : checking_(checking), p_(p) {}

    void point(const Node& e) {
        const Node& x = e.parts[0];
        const Node& y = e.parts[1];
        const Closeness cx = closeness(number_of(x), &x, rational(p_.h));
        const Closeness cy = closeness(number_of(y), &y, rational(p_.k));
        if (cx == Closeness::Different || cy == Closeness::Different) {
            found_.wrong.push_back(text(e) + " 不是抛物线的顶点");
            if (is_rational(number_of(x)) && is_rational(number_of(y))) {
                claims_.push_back({std::nullopt, number_of(x).p, number_of(y).p});
            }
            return;
        }
        note_near(x, cx);
        note_near(y, cy);
        complete_ = true;
    }

    void vertex_form(const Node& e) {
        const Poly function{{rational(p_.c), rational(p_.b), rational(p_.a)}};
        const auto shape = vertex_shape(e);
        if (!same(e.value.front(), function)) {
            found_.wrong.push_back("y=" + text(e) + " 与 " +
                                   function_text(p_, checking_.decimals_simplest) +
                                   " 不是同一个函数");
            if (shape && is_rational(shape->a) && is_rational(shape->h) && is_rational(shape->k)) {
                claims_.push_back({shape->a.p, shape->h.p, shape->k.p});
            }
        } else if (!shape) {
            found_.missing.push_back("还没有化成顶点式 y=a(x−h)²+k");
        } else {
            complete_ = true;
            form_given_ = true;
        }
    }

    // The vertex's x (or the axis x = h), or its y, alone.
    void one_coordinate(const Node& e, bool y) {
        const Exact& asked = y ? p_.k : p_.h;
        const Closeness c = closeness(number_of(e), &e, rational(asked));
        if (c == Closeness::Different) {
            found_.wrong.push_back(std::string(y ? "顶点的纵坐标" : "顶点的横坐标") + "不是 " +
                                   text(e));
            return;
        }
        note_near(e, c);
        found_.missing.push_back(y ? "只写出了顶点的纵坐标，还要写出横坐标"
                                   : "只写出了顶点的横坐标，还要写出纵坐标");
    }

    Findings findings() {
        if (complete_) {
            found_.missing.clear();
        }
        found_.correct = form_given_ ? "顶点式写对了" : "顶点坐标写对了";
        return found_;
    }

    // The slips of the vertex form that give exactly what one wrong answer claims.
    std::vector<const Slip*> explaining(const std::vector<Slip>& slips) const {
        std::vector<const Slip*> found;
        if (claims_.size() != 1 || found_.wrong.size() != 1) {
            return found;
        }
        const Claimed& claim = claims_.front();
        for (const Slip& slip : slips) {
            const bool a_fits = !claim.a || same_value(*claim.a, slip.vertex[0]);
            if (a_fits && same_value(claim.h, slip.vertex[1]) &&
                same_value(claim.k, slip.vertex[2])) {
                found.push_back(&slip);
            }
        }
        return found;
    }

  private:
    std::string text(const Node& e) const { return written_text(e, checking_.entry); }
    void note_near(const Node& e, Closeness c) {
        if (c == Closeness::Near) {
            note_approximate(checking_, e, found_);
        }
    }

    const Checking& checking_;
    const Parabola& p_;
    Findings found_;
    std::vector<Claimed> claims_;
    bool complete_ = false;
    bool form_given_ = false;
};

} // namespace

Verdict check_vertex(const Checking& checking, const ReadAnswer& read) {
    const QuadraticNumbers& n = *checking.numbers.quadratic;
    const Exact h = -n.b / (2 * n.a);
    const Parabola p{n.a, n.b, n.c, h, n.c - n.a * h * h};
    if (read.no_real_roots) {
        return wrong_because("这里要写出顶点式或顶点坐标");
    }
    VertexCheck check(checking, p);
    for (const Item& item : read.items) {
        const Node& e = item.expression;
        const bool unlabelled = item.labels.empty();
        const bool y_labelled = item.labels.size() == 1 && item.labels[0] == Label::Y;
        const bool x_labelled = item.labels.size() == 1 && item.labels[0] == Label::X;
        const bool with_x = e.value.size() == 1 && e.value.front().degree() > 0;
        if (unlabelled && e.kind == Node::Kind::Point && single_number(e.parts[0]) &&
            single_number(e.parts[1])) {
            check.point(e);
        } else if ((unlabelled || y_labelled) && with_x) {
            check.vertex_form(e);
        } else if ((unlabelled || x_labelled || y_labelled) && single_number(e)) {
            check.one_coordinate(e, y_labelled);
        } else {
            return off_page(checking, e);
        }
    }
    Findings findings = check.findings();
    if (findings.wrong.empty()) {
        add_form_notes(checking, read.items, findings);
    }
    Verdict verdict = verdict_of(findings);
    if (verdict.mark == Mark::Wrong) {
        const std::vector<Slip> slips = vertex_slips(n);
        diagnose(checking, check.explaining(slips), verdict);
    }
    return verdict;
}

} // namespace vornix::calc::detail
