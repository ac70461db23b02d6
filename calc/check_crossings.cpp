// 函数的性质 of a line and of a constant function: where the graph meets
// the axes, or the triangle a line cuts off with them.
#include "answer_check.hpp"

#include <algorithm>
#include <array>

namespace vornix::calc::detail {
namespace {

bool single_number(const Node& node) {
    return node.value.size() == 1 && node.value.front().degree() == 0;
}

bool is_point(const Item& item) {
    return item.labels.empty() && item.expression.kind == Node::Kind::Point &&
           single_number(item.expression.parts[0]) && single_number(item.expression.parts[1]);
}

bool only_labels(const Item& item, std::initializer_list<Label> allowed) {
    return std::all_of(item.labels.begin(), item.labels.end(), [&](Label label) {
        return std::find(allowed.begin(), allowed.end(), label) != allowed.end();
    });
}

// Whether the coordinate is the asked one, noting a decimal close to it.
bool fits(const Checking& checking, const Node& coordinate, const Exact& asked,
          Findings& findings) {
    const Closeness c = closeness(coordinate.value.front().c[0], &coordinate, rational(asked));
    if (c == Closeness::Near) {
        note_approximate(checking, coordinate, findings);
    }
    return c != Closeness::Different;
}

// Whether the point given is the one asked; its decimals close to it noted.
bool same_point(const Checking& checking, const Node& point, const Exact& x, const Exact& y,
                Findings& findings) {
    Findings near;
    const bool x_fits = fits(checking, point.parts[0], x, near);
    if (!x_fits || !fits(checking, point.parts[1], y, near)) {
        return false;
    }
    findings.approximate.insert(findings.approximate.end(), near.approximate.begin(),
                                near.approximate.end());
    findings.approximated.insert(findings.approximated.end(), near.approximated.begin(),
                                 near.approximated.end());
    return true;
}

} // namespace

Verdict check_crossings(const Checking& checking, const ReadAnswer& read, const Exact& k,
                        const Exact& b) {
    const bool through_origin = sign_of(b) == 0;
    const std::array<std::pair<Exact, Exact>, 2> crossings{{{0, b}, {-b / k, 0}}};
    const Exact area = abs(b) * abs(b / k) / 2;
    if (read.no_real_roots) {
        return wrong_because("这里要" + std::string(question(checking.exercise, checking.page)));
    }
    Findings findings;
    std::array<bool, 2> found{false, false};
    bool area_found = false;
    for (const Item& item : read.items) {
        const Node& e = item.expression;
        const std::string text = written_text(e, checking.entry);
        if (is_point(item)) {
            bool matched = false;
            for (std::size_t i = 0; i < crossings.size() && !matched; ++i) {
                matched =
                    same_point(checking, e, crossings[i].first, crossings[i].second, findings);
                found[i] = found[i] || matched;
            }
            if (!matched) {
                findings.wrong.push_back("点 " + text + " 不是直线与坐标轴的交点");
            }
        } else if (only_labels(item, {Label::S}) && single_number(e)) {
            if (through_origin) {
                findings.wrong.push_back("直线过原点，与两条坐标轴不围成三角形");
            } else if (fits(checking, e, area, findings)) {
                area_found = true;
            } else {
                findings.wrong.push_back("三角形的面积不是 " + text);
            }
        } else {
            return off_page(checking, e);
        }
    }
    const bool both = through_origin ? found[0] || found[1] : found[0] && found[1];
    if (!both && !area_found) {
        findings.missing.push_back("还要写出直线与另一条坐标轴的交点");
    }
    findings.correct = through_origin ? "直线与坐标轴只交于原点 (0, 0)"
                       : area_found   ? "三角形的面积写对了"
                                      : "直线与两条坐标轴的交点都写对了";
    if (findings.wrong.empty()) {
        add_form_notes(checking, read.items, findings);
    }
    return verdict_of(findings);
}

Verdict check_constant(const Checking& checking, const ReadAnswer& read, const Exact& c) {
    if (read.no_real_roots) {
        return wrong_because("这里要" + std::string(question(checking.exercise, checking.page)));
    }
    Findings findings;
    for (const Item& item : read.items) {
        const Node& e = item.expression;
        const bool y_is = item.labels.size() == 1 && item.labels[0] == Label::Y && single_number(e);
        if (is_point(item)) {
            if (!same_point(checking, e, 0, c, findings)) {
                findings.wrong.push_back("点 " + written_text(e, checking.entry) +
                                         " 不是图象与 y 轴的交点");
            }
        } else if (y_is) {
            if (!fits(checking, e, c, findings)) {
                findings.wrong.push_back("y=" + written_text(e, checking.entry) + " 不是这个函数");
            }
        } else {
            return off_page(checking, e);
        }
    }
    findings.correct = "图象与 y 轴交于点 " + point_words(0, c);
    if (findings.wrong.empty()) {
        add_form_notes(checking, read.items, findings);
    }
    return verdict_of(findings);
}

} // namespace vornix::calc::detail
