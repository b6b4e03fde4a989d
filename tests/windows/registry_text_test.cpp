// WriteRegistryText and ReadRegistryText against the prefix's real registry.
#include "repair/registry_text.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "test_support.h"

namespace {

class RegistryText : public testing::Test {
protected:
    void SetUp() override { DeleteTestKeys(); }
    void TearDown() override { DeleteTestKeys(); }

    static std::string Path(const std::string& valueName)
    {
        return std::string(kScratchKey) + "\\" + valueName;
    }
};

}  // namespace

TEST_F(RegistryText, WritesAStringWithItsTerminatorAndReadsItBack)
{
    const std::string root = Gbk("D:\\游戏\\誠");
    ASSERT_TRUE(WriteRegistryText(HKEY_LOCAL_MACHINE, Path("BaseDir"), root));

    const auto raw = ReadRawValue(kScratchKey, "BaseDir");
    ASSERT_TRUE(raw);
    EXPECT_EQ(raw->type, DWORD(REG_SZ));
    EXPECT_EQ(raw->bytes, root + '\0');
    EXPECT_EQ(ReadRegistryText(HKEY_LOCAL_MACHINE, Path("BaseDir"), "x"), root);
}

TEST_F(RegistryText, EmptyTextIsStoredAsTheLoneTerminator)
{
    ASSERT_TRUE(WriteRegistryText(HKEY_LOCAL_MACHINE, Path("BaseDir"), ""));
    const auto raw = ReadRawValue(kScratchKey, "BaseDir");
    ASSERT_TRUE(raw);
    EXPECT_EQ(raw->bytes, std::string(1, '\0'));
    EXPECT_EQ(ReadRegistryText(HKEY_LOCAL_MACHINE, Path("BaseDir"), "x"), "");
}

TEST_F(RegistryText, CreatesMissingParentKeysAndReplacesValues)
{
    const std::string path = std::string(kScratchKey) + "\\a\\b\\c\\Value";
    ASSERT_TRUE(WriteRegistryText(HKEY_LOCAL_MACHINE, path, "first"));
    ASSERT_TRUE(WriteRegistryText(HKEY_LOCAL_MACHINE, path, "second"));
    EXPECT_EQ(ReadRegistryText(HKEY_LOCAL_MACHINE, path, "x"), "second");
}

// The split is at the last backslash of its own: 淺 ends in the byte 5C.
TEST_F(RegistryText, ValueNameEndingInADoubleByte5CIsNotSplit)
{
    const std::string name = Gbk("值淺");
    ASSERT_TRUE(WriteRegistryText(HKEY_LOCAL_MACHINE, Path(name), "v"));
    EXPECT_TRUE(ReadRawValue(kScratchKey, name.c_str()));
    EXPECT_EQ(ReadRegistryText(HKEY_LOCAL_MACHINE, Path(name), "x"), "v");
}

// Without a backslash the whole path names a value of the root key itself.
TEST_F(RegistryText, PathWithoutBackslashNamesAValueOfTheRoot)
{
    HKEY scratch = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kScratchKey, 0, nullptr, 0,
                              KEY_ALL_ACCESS | KEY_WOW64_64KEY, nullptr, &scratch, nullptr),
              ERROR_SUCCESS);
    EXPECT_TRUE(WriteRegistryText(scratch, "Plain", "v"));
    EXPECT_EQ(ReadRegistryText(scratch, "Plain", "x"), "v");
    RegCloseKey(scratch);
    EXPECT_TRUE(ReadRawValue(kScratchKey, "Plain"));
}

TEST_F(RegistryText, DeniedKeyFailsTheWriteAndKeepsTheOldValue)
{
    WriteRawValue(kScratchKey, "BaseDir", REG_SZ, std::string("old\0", 4));
    {
        WriteDeniedKey denied(kScratchKey);
        EXPECT_FALSE(WriteRegistryText(HKEY_LOCAL_MACHINE, Path("BaseDir"), "new"));
        EXPECT_FALSE(WriteRegistryText(HKEY_LOCAL_MACHINE, Path("Other"), "new"));
        EXPECT_EQ(ReadRegistryText(HKEY_LOCAL_MACHINE, Path("BaseDir"), "x"), "old");
    }
    EXPECT_FALSE(ReadRawValue(kScratchKey, "Other"));
}

TEST_F(RegistryText, KeyThatRefusesReadingGivesTheDefault)
{
    WriteRawValue(kScratchKey, "BaseDir", REG_SZ, std::string("old\0", 4));
    WriteDeniedKey denied(kScratchKey, /*readable=*/false);
    EXPECT_EQ(ReadRegistryText(HKEY_LOCAL_MACHINE, Path("BaseDir"), "x"), "x");
}

TEST_F(RegistryText, ReadsStringTypesAndGivesTheDefaultForAllElse)
{
    SetEnvironmentVariableA("REGREPAIR_GAMES", "C:\\Games");
    const std::string large(1 << 20, 'p');
    const struct {
        const char* name;
        DWORD type;
        std::string stored;
        std::string expected;
    } cases[] = {
        {"sz", REG_SZ, std::string("D:\\BnS\0", 7), "D:\\BnS"},
        {"unterminated", REG_SZ, "D:\\BnS", "D:\\BnS"},
        {"lone zero", REG_SZ, std::string(1, '\0'), ""},
        {"no bytes", REG_SZ, "", "default"},
        {"inner zero", REG_SZ, std::string("ab\0cd\0", 6), "ab"},
        {"gbk", REG_SZ, Gbk("D:\\剑灵") + '\0', Gbk("D:\\剑灵")},
        {"large", REG_SZ, large + '\0', large},
        {"expand", REG_EXPAND_SZ, std::string("%REGREPAIR_GAMES%\\BnS\0", 23), "C:\\Games\\BnS"},
        {"expand unknown", REG_EXPAND_SZ, std::string("%NO_SUCH_VAR%\\x\0", 16),
         "%NO_SUCH_VAR%\\x"},
        {"expand unterminated", REG_EXPAND_SZ, "%REGREPAIR_GAMES%", "C:\\Games"},
        {"expand no bytes", REG_EXPAND_SZ, "", "default"},
        {"dword", REG_DWORD, std::string("\x01\0\0\0", 4), "default"},
        {"binary", REG_BINARY, std::string("D:\\BnS\0", 7), "default"},
        {"multi", REG_MULTI_SZ, std::string("a\0b\0\0", 5), "default"},
        {"none", REG_NONE, "abc", "default"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteRawValue(kScratchKey, c.name, c.type, c.stored);
        const std::string read = ReadRegistryText(HKEY_LOCAL_MACHINE, Path(c.name), "default");
        EXPECT_TRUE(read == c.expected) << read.size() << " bytes: " << read.substr(0, 40);
    }
    EXPECT_EQ(ReadRegistryText(HKEY_LOCAL_MACHINE, Path("missing"), "default"), "default");
    EXPECT_EQ(ReadRegistryText(HKEY_LOCAL_MACHINE, "SOFTWARE\\NoSuchKey\\v", "default"), "default");
}

// The 64-bit view holds both keys separately in a 64-bit prefix; in a 32-bit
// prefix there is one view and the paths are taken literally.
TEST_F(RegistryText, NativeAndWow6432NodePathsReachDistinctKeys)
{
    ASSERT_TRUE(WriteRegistryText(HKEY_LOCAL_MACHINE, std::string(kNativeKey) + "\\BaseDir", "N"));
    ASSERT_TRUE(WriteRegistryText(HKEY_LOCAL_MACHINE, std::string(kWowKey) + "\\BaseDir", "W"));
    EXPECT_EQ(ReadRegistryText(HKEY_LOCAL_MACHINE, std::string(kNativeKey) + "\\BaseDir", "x"),
              "N");
    EXPECT_EQ(ReadRegistryText(HKEY_LOCAL_MACHINE, std::string(kWowKey) + "\\BaseDir", "x"), "W");

    const auto native = ReadRawValue(kNativeKey, "BaseDir", KEY_WOW64_64KEY);
    ASSERT_TRUE(native);
    EXPECT_EQ(native->bytes, std::string("N\0", 2));
    // What a 32-bit program that asks for no view sees as SOFTWARE\plaync.
    const auto redirected = ReadRawValue(kNativeKey, "BaseDir", 0);
    ASSERT_TRUE(redirected);
    BOOL wow64 = FALSE;
    IsWow64Process(GetCurrentProcess(), &wow64);
    EXPECT_EQ(redirected->bytes, std::string(wow64 ? "W" : "N") + '\0');
}

// Another process may rewrite the value between the size query and the read:
// every read yields one whole value or the default, never a mix or stray bytes.
TEST_F(RegistryText, ValueRewrittenDuringReadsIsWholeOrTheDefault)
{
    const std::string shortValue = "D:\\BnS";
    const std::string longValue(4000, 'L');
    WriteRawValue(kScratchKey, "BaseDir", REG_SZ, shortValue + '\0');

    std::atomic<bool> stop{false};
    std::thread writer([&] {
        HKEY key = nullptr;
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, kScratchKey, 0, KEY_SET_VALUE | KEY_WOW64_64KEY, &key);
        for (int i = 0; !stop; ++i) {
            const std::string& value = i % 2 ? longValue : shortValue;
            RegSetValueExA(key, "BaseDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                           DWORD(value.size() + 1));
        }
        RegCloseKey(key);
    });

    int seen[3] = {};
    for (int i = 0; i < 3000; ++i) {
        const std::string read = ReadRegistryText(HKEY_LOCAL_MACHINE, Path("BaseDir"), "default");
        const int kind = read == shortValue  ? 0
                         : read == longValue ? 1
                         : read == "default" ? 2
                                             : -1;
        ASSERT_NE(kind, -1) << read.size() << " bytes: " << read.substr(0, 40);
        ++seen[kind];
    }
    stop = true;
    writer.join();
    EXPECT_GT(seen[0] + seen[1], 0);
}
