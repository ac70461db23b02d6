// Reads a fuzz input as a stream of choices, for targets that build their
// input (a formula, a graph) instead of reading texts; past its end every
// choice is 0.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

namespace vornix::fuzzing {

class DataSource {
  public:
    DataSource(const std::uint8_t* data, std::size_t size) : rest_(data, size) {}

    std::uint8_t byte() {
        if (rest_.empty()) {
            return 0;
        }
        const std::uint8_t first = rest_.front();
        rest_ = rest_.subspan(1);
        return first;
    }

    bool flag() { return (byte() & 1) != 0; }

    double number() {
        std::array<std::uint8_t, sizeof(double)> bytes{};
        for (std::uint8_t& b : bytes) {
            b = byte();
        }
        double value = 0;
        std::memcpy(&value, bytes.data(), sizeof value);
        return value;
    }

    // Pieces the working writes most of the time, raw bytes (any UTF-8, or
    // none) otherwise.
    std::string text() {
        static constexpr std::array<std::string_view, 24> kPieces = {
            "x",
            "²",
            "₁",
            "₂",
            "−",
            "±",
            "=",
            "，",
            ".",
            "解：",
            "方程有两个不等的实数根",
            "(",
            ")",
            "√",
            "1",
            "23",
            "0.5",
            " ",
            "×",
            "y",
            "因为任何实数的平方都不会是负数",
            "1.5E+300",
            "≈",
            "、"};
        std::string written;
        const int parts = byte() % 5;
        for (int part = 0; part < parts; ++part) {
            const std::uint8_t choice = byte();
            if (choice < 2 * kPieces.size()) {
                written += kPieces[choice % kPieces.size()];
            } else {
                written.push_back(static_cast<char>(byte()));
            }
        }
        return written;
    }

  private:
    std::span<const std::uint8_t> rest_;
};

} // namespace vornix::fuzzing
