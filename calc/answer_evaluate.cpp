// The value of every part of a read answer, bottom-up: a number, a
// polynomial in x, or the two branches of ±.
#include "answer_reader.hpp"

namespace vornix::calc::detail {
namespace {

using Operation = std::optional<Poly> (*)(const Poly&, const Poly&);

ReadProblem problem(ReadProblem::Kind kind, const Node& node, std::string_view entry) {
    return {kind, shortened(written_text(node, entry))};
}

// Branch by branch; a single value meets each branch of a pair.
std::optional<Branches> combine(const Branches& a, const Branches& b, Operation operation) {
    if (a.size() > 1 && b.size() > 1) {
        return std::nullopt;
    }
    Branches result;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        const auto value = operation(a[std::min(i, a.size() - 1)], b[std::min(i, b.size() - 1)]);
        if (!value) {
            return std::nullopt;
        }
        result.push_back(*value);
    }
    return result;
}

std::optional<Poly> add_polys(const Poly& a, const Poly& b) {
    return add(a, b);
}
std::optional<Poly> subtract_polys(const Poly& a, const Poly& b) {
    return subtract(a, b);
}
std::optional<Poly> multiply_polys(const Poly& a, const Poly& b) {
    return multiply(a, b);
}
std::optional<Poly> divide_polys(const Poly& a, const Poly& b) {
    return divide(a, b);
}

bool has_zero(const Branches& branches) {
    for (const Poly& branch : branches) {
        if (branch.degree() == 0 && is_zero(branch.c[0])) {
            return true;
        }
    }
    return false;
}

std::optional<ReadProblem> root_of(Node& node, std::string_view entry) {
    const Branches& inside = node.parts[0].value;
    if (inside.size() != 1 || inside[0].degree() != 0 || !is_rational(inside[0].c[0])) {
        // √x, √(1±√2), √(√2): no answer asked here takes such a root.
        return problem(ReadProblem::Kind::Unworkable, node, entry);
    }
    const Exact& radicand = inside[0].c[0].p;
    if (sign_of(radicand) < 0) {
        return problem(ReadProblem::Kind::NotReal, node, entry);
    }
    node.value = {constant(square_root_of(radicand))};
    return std::nullopt;
}

std::optional<ReadProblem> plus_minus_of(Node& node, std::string_view entry) {
    const Branches& right = node.parts.back().value;
    const Branches left = node.parts.size() == 2 ? node.parts[0].value : Branches{Poly{}};
    if (left.size() != 1 || right.size() != 1) {
        return problem(ReadProblem::Kind::Unreadable, node, entry); // ± twice
    }
    const auto minus = subtract(left[0], right[0]);
    const auto plus = add(left[0], right[0]);
    if (!minus || !plus) {
        return problem(ReadProblem::Kind::Unworkable, node, entry);
    }
    node.value = {*minus, *plus};
    return std::nullopt;
}

std::optional<ReadProblem> binary_of(Node& node, std::string_view entry) {
    const Branches& a = node.parts[0].value;
    const Branches& b = node.parts[1].value;
    if (a.size() > 1 && b.size() > 1) {
        return problem(ReadProblem::Kind::Unreadable, node, entry);
    }
    if (node.kind == Node::Kind::Quotient && has_zero(b)) {
        return problem(ReadProblem::Kind::DivisionByZero, node, entry);
    }
    Operation operation = add_polys;
    switch (node.kind) {
    case Node::Kind::Difference:
        operation = subtract_polys;
        break;
    case Node::Kind::Product:
        operation = multiply_polys;
        break;
    case Node::Kind::Quotient:
        operation = divide_polys;
        break;
    default:
        break;
    }
    auto value = combine(a, b, operation);
    if (!value) {
        return problem(ReadProblem::Kind::Unworkable, node, entry);
    }
    node.value = std::move(*value);
    return std::nullopt;
}

} // namespace

std::optional<ReadProblem> evaluate(Node& node, std::string_view entry) {
    for (Node& part : node.parts) {
        if (auto inner = evaluate(part, entry)) {
            return inner;
        }
        // A point is no number: it cannot be added, multiplied or rooted.
        if (part.kind == Node::Kind::Point && node.kind != Node::Kind::Point) {
            return problem(ReadProblem::Kind::Unreadable, node, entry);
        }
    }
    switch (node.kind) {
    case Node::Kind::Number:
        node.value = {constant(rational(node.number))};
        return std::nullopt;
    case Node::Kind::X:
        node.value = {variable_x()};
        return std::nullopt;
    case Node::Kind::Point:
        return std::nullopt;
    case Node::Kind::Negation:
        for (const Poly& branch : node.parts[0].value) {
            node.value.push_back(negate(branch));
        }
        return std::nullopt;
    case Node::Kind::Square:
        for (const Poly& branch : node.parts[0].value) {
            const auto squared = multiply(branch, branch);
            if (!squared) {
                return problem(ReadProblem::Kind::Unworkable, node, entry);
            }
            node.value.push_back(*squared);
        }
        return std::nullopt;
    case Node::Kind::Root:
        return root_of(node, entry);
    case Node::Kind::PlusMinus:
        return plus_minus_of(node, entry);
    default:
        return binary_of(node, entry);
    }
}

} // namespace vornix::calc::detail
