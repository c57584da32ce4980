// The owned text type and the GBK to UTF-16 conversion that every shown text goes through.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "common/text.h"
#include "common/wide_text.h"

TEST(Text, MissingTextsCountAsEmpty)
{
    EXPECT_EQ(TextLength(nullptr), 0u);
    EXPECT_TRUE(TextsEqual(nullptr, ""));
    EXPECT_TRUE(TextsEqual("", nullptr));
    Text joined = JoinTexts(nullptr, nullptr);
    EXPECT_STREQ(joined.Bytes(), "");
    EXPECT_EQ(joined.Length(), 0u);
}

TEST(Text, JoinKeepsBothPartsWithNothingBetween)
{
    struct Case { const char* first; const char* second; const char* joined; };
    const Case cases[] = {
        {"您的系统为", "Windows XP", "您的系统为Windows XP"},
        {nullptr, "abc", "abc"},
        {"abc", nullptr, "abc"},
        {"Windows 10 Pro", "", "Windows 10 Pro"},
    };
    for (const Case& c : cases) {
        Text joined = JoinTexts(c.first, c.second);
        EXPECT_STREQ(joined.Bytes(), c.joined) << "joining '" << (c.first ? c.first : "(none)") << "'";
        EXPECT_EQ(joined.Length(), std::strlen(c.joined));
    }
}

TEST(Text, ComparisonIsExactAndCaseSensitive)
{
    struct Case { const char* first; const char* second; bool equal; };
    const Case cases[] = {
        {"Windows XP", "Windows XP", true},
        {"Windows XP", "windows xp", false},
        {"Windows XP", "Windows XP ", false},
        {"Windows XP", "Windows X", false},
        {"\xB5\xE7", "\xB5\xE8", false},  // high bytes compare as unsigned values
        {"", "", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TextsEqual(c.first, c.second), c.equal) << "'" << c.first << "' vs '" << c.second << "'";
    }
}

TEST(Text, ReleaseEmptiesAndMoveTransfersOwnership)
{
    Text text("Windows 7");
    EXPECT_EQ(text.Length(), 9u);
    Text moved(std::move(text));
    EXPECT_STREQ(moved.Bytes(), "Windows 7");
    EXPECT_TRUE(text.IsEmpty());
    moved.Release();
    EXPECT_TRUE(moved.IsEmpty());
    EXPECT_STREQ(moved.Bytes(), "");
    moved.Release();  // a second release is harmless
    EXPECT_TRUE(moved.IsEmpty());
}

TEST(WideText, ConvertsGbkWhateverTheAnsiCodePage)
{
    // The program's narrow literals are stored as GBK by the compiler.
    const char* chinese = "简体中文";
    EXPECT_EQ(std::strlen(chinese), 8u) << "the literal is not stored as GBK";
    WideText wide(chinese);
    EXPECT_EQ(std::wstring(wide.Chars()), L"\u7B80\u4F53\u4E2D\u6587");
    EXPECT_EQ(wide.Length(), 4);

    WideText part(chinese, 4);
    EXPECT_EQ(std::wstring(part.Chars()), L"\u7B80\u4F53");
}

TEST(WideText, MissingOrEmptyGivesEmpty)
{
    EXPECT_STREQ(WideText(nullptr).Chars(), L"");
    EXPECT_STREQ(WideText("").Chars(), L"");
    EXPECT_STREQ(WideText("abc", 0).Chars(), L"");
}
