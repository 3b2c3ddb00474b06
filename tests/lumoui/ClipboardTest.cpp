#include "LumoTestSupport.h"

#include <lumoui/Clipboard.h>

#include <gtest/gtest.h>

using namespace LumoTest;

TEST(Clipboard, InMemoryBackendKeepsItsOwnText)
{
    TestDriver driver; // the in-memory backend, never the desktop's clipboard
    ASSERT_TRUE(IsHeadlessBackend());
    struct Case {
        CString text;
    } const cases[] = { { L"Macro 1" }, { L"宏一号 ✓" }, { L"" } };
    for (auto const& c : cases) {
        ASSERT_TRUE(MClipboard::SetText(c.text));
        EXPECT_EQ(MClipboard::GetText(), c.text);
    }
}
