// The payload catalogue: the seven embedded files, their order, their bytes, and the install
// list of each language.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "built_payload_files.h"
#include "install/payload_catalogue.h"
#include "test_support.h"

namespace {

std::string BytesOf(const PayloadEntry& entry)
{
    const ByteView view = entry.Bytes();
    return std::string(reinterpret_cast<const char*>(view.bytes), view.length);
}

}  // namespace

TEST(PayloadCatalogue, HoldsTheSevenFilesInStorageOrder)
{
    struct Expected { const char* name; PayloadUse use; };
    const Expected expected[PayloadEntryCount] = {
        {"Corvex.exe", PayloadUse::Both},      {"nelvar.exe", PayloadUse::EnglishOnly},
        {"Lumbra.dll", PayloadUse::Both},      {"Fenwy.dll", PayloadUse::Both},
        {"Pellot.png", PayloadUse::Both},      {"Pellot2.jpg", PayloadUse::Both},
        {"nelvar.exe", PayloadUse::ChineseOnly},
    };
    ASSERT_EQ(sizeof(BuiltPayloadFiles) / sizeof(BuiltPayloadFiles[0]), PayloadEntryCount);
    for (uint32_t i = 0; i < PayloadEntryCount; ++i) {
        EXPECT_STREQ(PayloadCatalogue[i].name, expected[i].name) << "entry " << i + 1;
        EXPECT_EQ(PayloadCatalogue[i].use, expected[i].use) << "entry " << i + 1;
    }
}

TEST(PayloadCatalogue, EachEntryIsTheBuiltFileByteForByte)
{
    for (uint32_t i = 0; i < PayloadEntryCount; ++i) {
        const std::string built = BuiltPayload(i);
        EXPECT_GT(built.size(), 0u) << BuiltPayloadFiles[i];
        EXPECT_EQ(PayloadCatalogue[i].Bytes().length, built.size()) << BuiltPayloadFiles[i];
        EXPECT_TRUE(BytesOf(PayloadCatalogue[i]) == built) << BuiltPayloadFiles[i] << " differs";
    }
}

TEST(PayloadCatalogue, BytesStayInTheExecutablesReadOnlyData)
{
    const HMODULE program = GetModuleHandleW(nullptr);
    for (uint32_t i = 0; i < PayloadEntryCount; ++i) {
        MEMORY_BASIC_INFORMATION memory = {};
        ASSERT_NE(VirtualQuery(PayloadCatalogue[i].begin, &memory, sizeof(memory)), 0u);
        EXPECT_EQ(memory.AllocationBase, static_cast<void*>(program)) << "entry " << i + 1 << " is not in the image";
        EXPECT_EQ(memory.Protect, static_cast<DWORD>(PAGE_READONLY)) << "entry " << i + 1 << " is writable";
    }
}

TEST(PayloadCatalogue, TheTwoMainProgramsDifferOnlyInContent)
{
    EXPECT_STREQ(PayloadCatalogue[1].name, PayloadCatalogue[6].name);
    EXPECT_NE(BytesOf(PayloadCatalogue[1]), BytesOf(PayloadCatalogue[6]));
}

TEST(PayloadCatalogue, Pellot2IsPngDataUnderAJpgName)
{
    const std::string bytes = BytesOf(PayloadCatalogue[5]);
    ASSERT_GE(bytes.size(), 8u);
    EXPECT_EQ(bytes.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
}

TEST(InstallList, GivesSixEntriesInInstallOrderWithTheMainProgramOfTheLanguage)
{
    struct Case { InstallLanguage language; uint32_t mainProgramEntry; PayloadUse excluded; };
    const Case cases[] = {
        {InstallLanguage::Chinese, 6, PayloadUse::EnglishOnly},
        {InstallLanguage::English, 1, PayloadUse::ChineseOnly},
    };
    const char* const order[InstallFileCount] = {"Corvex.exe", "nelvar.exe", "Lumbra.dll",
                                                 "Fenwy.dll",  "Pellot.png", "Pellot2.jpg"};
    for (const Case& c : cases) {
        const PayloadEntry* const* list = InstallList(c.language);
        EXPECT_EQ(list, InstallList(c.language)) << "the list is not the same on every call";
        for (uint32_t i = 0; i < InstallFileCount; ++i) {
            EXPECT_STREQ(list[i]->name, order[i]);
            EXPECT_NE(list[i]->use, c.excluded) << list[i]->name;
            EXPECT_GE(list[i], &PayloadCatalogue[0]) << "not an entry of the catalogue";
            EXPECT_LT(list[i], &PayloadCatalogue[PayloadEntryCount]) << "not an entry of the catalogue";
        }
        EXPECT_EQ(list[1], &PayloadCatalogue[c.mainProgramEntry]);
    }
}

TEST(InstallPath, JoinsTheFixedInstallDirectoryAndTheName)
{
    EXPECT_STREQ(InstallRoot, "C:\\Program Files\\nelvar");
    EXPECT_STREQ(InstallPath(MainProgramName).Bytes(), "C:\\Program Files\\nelvar\\nelvar.exe");
    EXPECT_STREQ(InstallPath("Pellot2.jpg").Bytes(), "C:\\Program Files\\nelvar\\Pellot2.jpg");
}
