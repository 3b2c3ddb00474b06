#include <lumoui/Control.h>
#include <lumoui/Types.h>

#include <gtest/gtest.h>

using namespace LumoUI;

TEST(Utf8, RoundTripsEveryPlane)
{
    CString const text = L"Key \u914D\u7F6E \u00E9 \U0001F600";
    EXPECT_EQ(ToUtf8(text), "Key \xE9\x85\x8D\xE7\xBD\xAE \xC3\xA9 \xF0\x9F\x98\x80");
    EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
}

TEST(Utf8, MalformedBytesBecomeReplacementCharacters)
{
    struct Case {
        char const* bytes;
        wchar_t const* text;
    } const cases[] = {
        { "a\xFF" "b", L"a\uFFFDb" }, // never valid
        { "\xC3", L"\uFFFD" }, // cut short
        { "\xC0\xAF", L"\uFFFD\uFFFD" }, // over-long
        { "\xED\xA0\x80", L"\uFFFD\uFFFD\uFFFD" }, // surrogate
        { "\xE4\xB8" "x", L"\uFFFD\uFFFDx" }, // bad continuation
    };
    for (auto const& c : cases)
        EXPECT_EQ(FromUtf8(c.bytes), c.text) << c.bytes;
}

TEST(Cursor, OnlyKnownNamesChangeTheCursor)
{
    MControl control;
    EXPECT_EQ(control.SetCursorEx(L"hand"), 1);
    EXPECT_EQ(control.GetCursor(), CursorKind::Hand);
    EXPECT_EQ(control.SetCursorEx(L"Hand"), 0);
    EXPECT_EQ(control.SetCursorEx(L"pointer"), 0);
    EXPECT_EQ(control.SetCursorEx(nullptr), 0);
    EXPECT_EQ(control.GetCursor(), CursorKind::Hand);
    EXPECT_EQ(control.SetCursorEx(L"sizewe"), 1);
    EXPECT_EQ(control.GetCursor(), CursorKind::SizeWE);
}

TEST(Geometry, IntersectAndUnionIgnoreEmptyRectangles)
{
    CRect r;
    EXPECT_FALSE(r.IntersectRect(CRect(0, 0, 10, 10), CRect(10, 0, 20, 10)));
    EXPECT_EQ(r, CRect());
    r.UnionRect(CRect(), CRect(5, 5, 6, 6));
    EXPECT_EQ(r, CRect(5, 5, 6, 6));
    EXPECT_EQ(MAKELPARAM(-1, -1), 0xFFFFFFFF);
    EXPECT_EQ(GET_X_LPARAM(MAKELPARAM(-1, 300)), -1);
    EXPECT_EQ(GET_Y_LPARAM(MAKELPARAM(-1, 300)), 300);
}
