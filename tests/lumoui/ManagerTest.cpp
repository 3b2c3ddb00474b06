#include <lumoui/Manager.h>

#include <gtest/gtest.h>

TEST(Manager, StartsWithTheToolkitDefaults)
{
    EXPECT_EQ(LumoUI::Manager::GetDeviceName(), L"Tessera");
    EXPECT_EQ(LumoUI::Manager::GetFontName(), L"SourceHanSansCN-Regular");
    EXPECT_EQ(LumoUI::Manager::GetFontWidth(), 14);
    EXPECT_EQ(LumoUI::Manager::GetSelectColor(), 0xFF10A8FDu);
    EXPECT_EQ(LumoUI::Manager::GetTheme(), L"theme1");
}
