// Reading a text value of HKEY_LOCAL_MACHINE, against the real registry of the test's prefix.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "sysinfo/registry_text.h"

namespace {

const char TestRoot[] = "SOFTWARE\\NelvarTests";
const char TestKey[] = "SOFTWARE\\NelvarTests\\RegistryText";

std::string Read(const std::string& path)
{
    const Text text = ReadRegistryText(path.c_str());
    return std::string(text.Bytes(), text.Length());
}

// Test values under a key of their own, removed again afterwards.
class RegistryText : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, TestRoot);
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, TestKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr),
                  ERROR_SUCCESS)
            << "the test cannot create its key under HKEY_LOCAL_MACHINE";
        ASSERT_TRUE(SetEnvironmentVariableA("NELVAR_TEST_FOLDER", "C:\\Nelvar Test"));
    }

    void TearDown() override
    {
        if (key_) RegCloseKey(key_);
        EXPECT_EQ(RegDeleteTreeA(HKEY_LOCAL_MACHINE, TestRoot), ERROR_SUCCESS);
        SetEnvironmentVariableA("NELVAR_TEST_FOLDER", nullptr);
    }

    // Stores exactly these bytes: a text value stored without its zero stays without it.
    void Store(const char* name, DWORD type, const std::string& bytes, HKEY key = nullptr)
    {
        ASSERT_EQ(RegSetValueExA(key ? key : key_, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                                 static_cast<DWORD>(bytes.size())),
                  ERROR_SUCCESS)
            << name;
    }

    HKEY key_ = nullptr;
};

std::string WithZero(const std::string& text) { return text + std::string(1, '\0'); }

}  // namespace

TEST_F(RegistryText, ReadsTextValuesAndNothingElse)
{
    const std::string longText = [] {
        std::string text;
        for (int i = 0; text.size() < 200000; ++i) text += "Windows Server " + std::to_string(i) + "; ";
        return text;
    }();
    const std::string longExpandable = std::string(20000, 'x') + "%NELVAR_TEST_FOLDER%";
    struct Case {
        const char* name;
        DWORD type;
        std::string stored;
        std::string expected;
    };
    const Case cases[] = {
        {"Plain", REG_SZ, WithZero("Windows Server 2022 Datacenter"), "Windows Server 2022 Datacenter"},
        {"PlainWithPercent", REG_SZ, WithZero("%NELVAR_TEST_FOLDER%\\bin"), "%NELVAR_TEST_FOLDER%\\bin"},
        {"Expandable", REG_EXPAND_SZ, WithZero("%NELVAR_TEST_FOLDER%\\bin"), "C:\\Nelvar Test\\bin"},
        {"ExpandableUnknown", REG_EXPAND_SZ, WithZero("%NELVAR_NOT_SET%\\bin"), "%NELVAR_NOT_SET%\\bin"},
        {"Empty", REG_SZ, "", ""},
        {"OnlyZero", REG_SZ, WithZero(""), ""},
        {"Unterminated", REG_SZ, "Windows 11 Pro", "Windows 11 Pro"},
        {"UnterminatedOneByte", REG_SZ, "W", "W"},
        {"UnterminatedExpandable", REG_EXPAND_SZ, "%NELVAR_TEST_FOLDER%", "C:\\Nelvar Test"},
        {"EmbeddedZero", REG_SZ, WithZero(std::string("abc\0def", 7)), "abc"},
        {"Long", REG_SZ, WithZero(longText), longText},
        {"LongUnterminated", REG_SZ, longText, longText},
        {"LongExpandable", REG_EXPAND_SZ, WithZero(longExpandable), std::string(20000, 'x') + "C:\\Nelvar Test"},
        {"Number", REG_DWORD, std::string("\x0a\x00\x00\x00", 4), ""},
        {"Binary", REG_BINARY, WithZero("Windows 10"), ""},
        {"Multi", REG_MULTI_SZ, std::string("Windows\0 10\0\0", 13), ""},
        {"None", REG_NONE, WithZero("Windows 10"), ""},
    };
    for (const Case& c : cases) Store(c.name, c.type, c.stored);

    for (const Case& c : cases) {
        const std::string text = Read(std::string(TestKey) + "\\" + c.name);
        EXPECT_EQ(text.size(), c.expected.size()) << c.name;
        EXPECT_TRUE(text == c.expected) << c.name << ": '" << text.substr(0, 80) << "'";
    }
}

TEST_F(RegistryText, SplitsThePathAtItsLastBackslash)
{
    HKEY subKey = nullptr;
    ASSERT_EQ(RegCreateKeyExA(key_, "Sub Key", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &subKey, nullptr),
              ERROR_SUCCESS);
    Store("Name", REG_SZ, WithZero("in the sub key"), subKey);
    Store("", REG_SZ, WithZero("default value"), subKey);
    Store("Name", REG_SZ, WithZero("in the key"));
    RegCloseKey(subKey);

    struct Case {
        std::string path;
        std::string expected;
    };
    const Case cases[] = {
        {std::string(TestKey) + "\\Sub Key\\Name", "in the sub key"},
        {std::string(TestKey) + "\\Name", "in the key"},
        {std::string(TestKey) + "\\Sub Key\\", "default value"},  // empty value name: the default value
        {std::string(TestKey) + "\\Sub Key", ""},                  // a key is no value
    };
    for (const Case& c : cases) EXPECT_EQ(Read(c.path), c.expected) << c.path;
}

TEST_F(RegistryText, WhatCannotBeReadGivesTheEmptyText)
{
    Store("Present", REG_SZ, WithZero("present"));
    const std::string cases[] = {
        std::string(TestKey) + "\\Absent",
        std::string(TestRoot) + "\\NoSuchKey\\Present",
        "SOFTWARE\\NelvarNoSuchKey\\Deeper\\Present",
        "Present",
        "",
    };
    for (const std::string& path : cases) EXPECT_EQ(Read(path), "") << "'" << path << "'";
    const Text missing = ReadRegistryText(nullptr);
    EXPECT_TRUE(missing.IsEmpty());
}
