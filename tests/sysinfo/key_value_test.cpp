#include "fake_registry.hpp"
#include "key_value.hpp"

#include <gtest/gtest.h>

#include <stdexcept>

namespace vornix::testing {
namespace {

const std::string kKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

struct ReadCase {
    const char* name;
    ValueType type;
    std::string bytes;
    bool found;
    std::string value; // KeyVal afterwards, starting from "before"
};

std::ostream& operator<<(std::ostream& out, const ReadCase& c) {
    return out << c.name;
}

class GetKeyValueReads : public ::testing::TestWithParam<ReadCase> {};

TEST_P(GetKeyValueReads, ConvertsByTypeAndClosesTheKeyOnce) {
    const ReadCase& c = GetParam();
    FakeRegistry registry;
    registry.put(kKey, "PATH", c.type, c.bytes);
    std::string value = "before";
    EXPECT_EQ(GetKeyValue(registry, kLocalMachine, kKey, "PATH", value), c.found);
    EXPECT_EQ(value, c.value);
    EXPECT_EQ(registry.opens, 1);
    EXPECT_EQ(registry.closes, 1);
}

const std::string k1024(1024, 'x');

INSTANTIATE_TEST_SUITE_P(
    Types, GetKeyValueReads,
    ::testing::Values(
        ReadCase{"string_with_final_nul", ValueType::String, std::string("C:\\msinfo32.exe\0", 16),
                 true, "C:\\msinfo32.exe"},
        ReadCase{"string_without_final_nul", ValueType::String, "C:\\msinfo32.exe", true,
                 "C:\\msinfo32.exe"},
        ReadCase{"only_the_last_nul_is_dropped", ValueType::String, std::string("ab\0\0", 4), true,
                 std::string("ab\0", 3)},
        ReadCase{"dword_twenty_six", ValueType::Dword, std::string("\x1a\0\0\0", 4), true, "26"},
        ReadCase{"dword_little_endian", ValueType::Dword, std::string("\x01\x02\0\0", 4), true,
                 "513"},
        ReadCase{"dword_high_bit_unsigned", ValueType::Dword, std::string("\0\0\0\x80", 4), true,
                 "2147483648"},
        ReadCase{"dword_all_bits", ValueType::Dword, "\xff\xff\xff\xff", true, "4294967295"},
        ReadCase{"expand_string_leaves_the_value", ValueType::ExpandString, "%SystemRoot%", true,
                 "before"},
        ReadCase{"binary_leaves_the_value", ValueType::Binary, "\x01\x02", true, "before"},
        ReadCase{"exactly_1024_bytes", ValueType::String, k1024, true, k1024},
        ReadCase{"1025_bytes_fail", ValueType::String, k1024 + "y", false, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GetKeyValueFailures, MissingKeyFailsWithAnEmptyValueAndNothingToClose) {
    FakeRegistry registry;
    std::string value = "before";
    EXPECT_FALSE(GetKeyValue(registry, kLocalMachine, kKey, "PATH", value));
    EXPECT_EQ(value, "");
    EXPECT_EQ(registry.opens, 0);
    EXPECT_EQ(registry.closes, 0);
}

TEST(GetKeyValueFailures, MissingValueFailsAndClosesTheKey) {
    FakeRegistry registry;
    registry.put_key(kKey);
    std::string value = "before";
    EXPECT_FALSE(GetKeyValue(registry, kLocalMachine, kKey, "PATH", value));
    EXPECT_EQ(value, "");
    EXPECT_EQ(registry.closes, 1);
}

TEST(GetKeyValueFailures, ZeroBytesRaiseInvalidArgumentAfterClosingTheKey) {
    FakeRegistry registry;
    registry.put(kKey, "PATH", ValueType::String, "");
    std::string value = "before";
    EXPECT_THROW(GetKeyValue(registry, kLocalMachine, kKey, "PATH", value), std::invalid_argument);
    EXPECT_EQ(registry.opens, 1);
    EXPECT_EQ(registry.closes, 1);
}

} // namespace
} // namespace vornix::testing
