// UTF-8 at the boundaries: the strict reader refuses what the lenient one
// replaces, and both agree on well-formed text.
#include "platform/base/Utf8.h"

#include <gtest/gtest.h>

using namespace Tessera;

TEST(Utf8, WellFormedTextRoundTripsInEveryLength)
{
    std::wstring const text = L"A\u00E9\u4E2D\U0001F600";
    std::string const bytes = "A\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80";
    EXPECT_EQ(WideToUtf8(text), bytes);
    EXPECT_EQ(Utf8ToWide(bytes), text);
    EXPECT_EQ(Utf8ToWideReplacing(bytes), text);
}

TEST(Utf8, IllFormedInputIsRefusedStrictlyAndReplacedPerByteLeniently)
{
    struct Case {
        char const* what;
        std::string bytes;
        std::wstring replaced;
    };
    Case const cases[] {
        { "overlong slash", "a\xC0\xAF", L"a\uFFFD\uFFFD" },
        { "encoded surrogate", "\xED\xA0\x80", L"\uFFFD\uFFFD\uFFFD" },
        { "truncated sequence", "\xE4\xB8", L"\uFFFD\uFFFD" },
        { "above U+10FFFF", "\xF4\x90\x80\x80", L"\uFFFD\uFFFD\uFFFD\uFFFD" },
        { "lone continuation", "\x80z", L"\uFFFDz" },
    };
    for (auto const& c : cases) {
        EXPECT_FALSE(Utf8ToWide(c.bytes).has_value()) << c.what;
        EXPECT_EQ(Utf8ToWideReplacing(c.bytes), c.replaced) << c.what;
    }
}

TEST(Utf8, UnencodableCodePointsBecomeTheReplacementCharacter)
{
    std::wstring text;
    text.push_back(static_cast<wchar_t>(0xD800));
    text.push_back(static_cast<wchar_t>(0x110000));
    EXPECT_EQ(WideToUtf8(text), "\xEF\xBF\xBD\xEF\xBF\xBD");
}
