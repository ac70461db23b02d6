#include "fake_registry.hpp"
#include "key_value.hpp"

#include <gtest/gtest.h>

#include <stdexcept>

namespace vornix::testing {
namespace {

const std::string kKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

struct ReadCase {
    const char* name;
    std::uint32_t type;
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
    EXPECT_EQ(GetKeyValue(registry, HKEY_LOCAL_MACHINE, kKey, "PATH", value), c.found);
    EXPECT_EQ(value, c.value);
    EXPECT_EQ(registry.opens, 1);
    EXPECT_EQ(registry.closes, 1);
    EXPECT_EQ(registry.access_masks, std::vector<std::uint32_t>{KEY_READ});
}

const std::string k1024(1024, 'x');

INSTANTIATE_TEST_SUITE_P(
    Types, GetKeyValueReads,
    ::testing::Values(
        ReadCase{"string_with_final_nul", REG_SZ, std::string("C:\\msinfo32.exe\0", 16), true,
                 "C:\\msinfo32.exe"},
        ReadCase{"string_without_final_nul", REG_SZ, "C:\\msinfo32.exe", true, "C:\\msinfo32.exe"},
        ReadCase{"only_the_last_nul_is_dropped", REG_SZ, std::string("ab\0\0", 4), true,
                 std::string("ab\0", 3)},
        ReadCase{"dword_twenty_six", REG_DWORD, std::string("\x1a\0\0\0", 4), true, "26"},
        ReadCase{"dword_little_endian", REG_DWORD, std::string("\x01\x02\0\0", 4), true, "513"},
        ReadCase{"dword_high_bit_unsigned", REG_DWORD, std::string("\0\0\0\x80", 4), true,
                 "2147483648"},
        ReadCase{"dword_all_bits", REG_DWORD, "\xff\xff\xff\xff", true, "4294967295"},
        ReadCase{"expand_string_leaves_the_value", REG_EXPAND_SZ, "%SystemRoot%", true, "before"},
        ReadCase{"binary_leaves_the_value", REG_BINARY, "\x01\x02", true, "before"},
        ReadCase{"exactly_1024_bytes", REG_SZ, k1024, true, k1024},
        ReadCase{"1025_bytes_fail", REG_SZ, k1024 + "y", false, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GetKeyValueFailures, MissingKeyFailsWithAnEmptyValueAndNothingToClose) {
    FakeRegistry registry;
    std::string value = "before";
    EXPECT_FALSE(GetKeyValue(registry, HKEY_LOCAL_MACHINE, kKey, "PATH", value));
    EXPECT_EQ(value, "");
    EXPECT_EQ(registry.opens, 0);
    EXPECT_EQ(registry.closes, 0);
}

TEST(GetKeyValueFailures, MissingValueFailsAndClosesTheKey) {
    FakeRegistry registry;
    registry.put_key(kKey);
    std::string value = "before";
    EXPECT_FALSE(GetKeyValue(registry, HKEY_LOCAL_MACHINE, kKey, "PATH", value));
    EXPECT_EQ(value, "");
    EXPECT_EQ(registry.closes, 1);
}

TEST(GetKeyValueFailures, ZeroBytesRaiseInvalidArgumentAfterClosingTheKey) {
    FakeRegistry registry;
    registry.put(kKey, "PATH", REG_SZ, "");
    std::string value = "before";
    EXPECT_THROW(GetKeyValue(registry, HKEY_LOCAL_MACHINE, kKey, "PATH", value),
                 std::invalid_argument);
    EXPECT_EQ(registry.opens, 1);
    EXPECT_EQ(registry.closes, 1);
}

} // namespace
} // namespace vornix::testing
