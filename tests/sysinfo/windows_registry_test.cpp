// GetKeyValue over the real registry (Wine's, in CI): values this test writes
// with the registry's own calls, read back through the program's reader.
#include "key_value.hpp"
#include "wide_text.hpp"

#include <gtest/gtest.h>

#include <windows.h>

namespace vornix::testing {
namespace {

using namespace vornix::sysinfo;

// Counts the reader's opens and closes on the way to the real registry.
class CountingRegistry : public Registry {
  public:
    RegistryResult open_key(RegistryKey root, const std::string& sub_key,
                            RegistryKey& opened) override {
        const RegistryResult result = real_->open_key(root, sub_key, opened);
        opens += result == RegistryResult::Success ? 1 : 0;
        return result;
    }
    RegistryResult query_value(RegistryKey key, const std::string& name, ValueType& type,
                               unsigned char* buffer, std::uint32_t& size) override {
        return real_->query_value(key, name, type, buffer, size);
    }
    void close_key(RegistryKey key) override {
        ++closes;
        real_->close_key(key);
    }
    int opens = 0;
    int closes = 0;

  private:
    std::unique_ptr<Registry> real_ = make_system_registry();
};

// The reader reads the registry's 64-bit view, where System Information
// registers itself, also from the 32-bit program: the test writes there too.
// (A 32-bit process writing without the flag lands in WOW6432Node.)
class WindowsRegistry : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, wide(kKey).c_str(), 0, nullptr, 0,
                                  KEY_ALL_ACCESS | KEY_WOW64_64KEY, nullptr, &key_, nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        RegCloseKey(key_);
        RegDeleteKeyExW(HKEY_LOCAL_MACHINE, wide(kKey).c_str(), KEY_WOW64_64KEY, 0);
    }
    void put_text(const wchar_t* name, const std::wstring& text) {
        RegSetValueExW(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
    bool read(const std::string& key, const char* name, std::string& value) {
        return GetKeyValue(registry, kLocalMachine, key, name, value);
    }

    const std::string kKey = "SOFTWARE\\Vornix test " + std::to_string(GetCurrentProcessId());
    HKEY key_ = nullptr;
    CountingRegistry registry;
};

TEST_F(WindowsRegistry, ReadsChineseTextAndNumbersAndClosesTheKeyEachTime) {
    put_text(L"PATH", L"C:\\程序\\系统信息.exe");
    const DWORD number = 26;
    RegSetValueExW(key_, L"COUNT", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                   sizeof number);
    std::string value;
    EXPECT_TRUE(read(kKey, "PATH", value));
    EXPECT_EQ(value, "C:\\程序\\系统信息.exe");
    EXPECT_TRUE(read(kKey, "COUNT", value));
    EXPECT_EQ(value, "26");
    EXPECT_EQ(registry.opens, 2);
    EXPECT_EQ(registry.closes, 2);
}

TEST_F(WindowsRegistry, LongValuesMissingValuesAndMissingKeysReadAsNothing) {
    put_text(L"LONG", std::wstring(1100, L'x'));
    std::string value = "before";
    EXPECT_FALSE(read(kKey, "LONG", value)) << "over 1024 bytes";
    EXPECT_EQ(value, "");
    value = "before";
    EXPECT_FALSE(read(kKey, "ABSENT", value));
    EXPECT_EQ(value, "");
    EXPECT_FALSE(read(kKey + "\\absent", "PATH", value));
    EXPECT_EQ(registry.opens, registry.closes);
}

TEST_F(WindowsRegistry, AValueOnlyInThe32BitViewIsNotRead) {
    HKEY key32 = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, wide(kKey).c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS | KEY_WOW64_32KEY, nullptr, &key32, nullptr),
              ERROR_SUCCESS);
    const std::wstring text = L"C:\\32\\msinfo32.exe";
    RegSetValueExW(key32, L"ONLY32", 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key32);
    std::string value = "before";
    const bool found = read(kKey, "ONLY32", value);
    RegDeleteKeyExW(HKEY_LOCAL_MACHINE, wide(kKey).c_str(), KEY_WOW64_32KEY, 0);
    EXPECT_FALSE(found) << value;
}

} // namespace
} // namespace vornix::testing
