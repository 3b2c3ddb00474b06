#include "config/KeyboardModel.h"
#include "config/LayoutFile.h"

#include <test_support/TempDir.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Tessera;

namespace {

std::string const kLayout = R"(<?xml version="1.0" encoding="UTF-8"?>
<device.info>
<menu macro="0" light_mode="1"/>
<function sleep_time="1"/>
<firmware version="1.2" file="fw.bin" url="https://fw.example/k" dongle_url="https://fw.example/r"/>
<light rgb_keyboard="1" default_mode="3" default_brightness="4" default_speed="2" brightness_max="5" speed_max="6">
<info name="401" mode="1" attribute="7"/>
<info name="402" mode="3" attribute="1024"/>
</light>
<Keyboard xpos="100" ypos="200" width="900" height="300" image="k.png" row_count="6" col_count="21">
<KeyItems>
<key code="29" name="Esc" desc="Escape" key_index="0" light_index="0" icon="" fnlayer_disable="1" row_col="0,0" rect="10#20#30#40"/>
<key code="0x04" name="A" desc="A" key_index="5" light_index="7" icon="a.png" fnlayer_disable="0" row_col="2,13" rect="1#2#3#4"/>
<key code="4" name="A2" desc="second A" key_index="9" light_index="11" row_col="2,7" rect="5#5"/>
<key code="5" name="B" desc="B" key_index="6" light_index="8" row_col="9,40" rect="x#y#z#w"/>
</KeyItems>
</Keyboard>
</device.info>
)";

DeviceModel Model(std::wstring name, int type, std::wstring layout)
{
    DeviceModel model;
    model.name = std::move(name);
    model.deviceType = type;
    model.deviceInfo = std::move(layout);
    return model;
}

struct Models {
    std::vector<DeviceModel> list { Model(L"KB301", 301, L"kb301"), Model(L"KB202", 202, L"missing") };
};

class RecordingDatabase : public ModelDatabase {
public:
    void SwitchToModel(std::wstring const& modelName) override { switches.push_back(modelName); }
    std::vector<std::wstring> switches;
};

class RecordingView : public ModelLoadView {
public:
    void SetTabVisible(int item, bool visible) override { tabs[item] = visible; }
    void SetFirmwareUpdateVisible(bool visible) override { firmwareVisible = visible; }
    void SetLightSliderLimits(int brightness, int speed) override { limits = { brightness, speed }; }
    void ClearKeyboardPicture(int picture) override { cleared.push_back(picture); }
    void SetKeyboardPicture(int picture, KeyRect const& rect, std::wstring const& image, int width, int height) override
    {
        pictures.push_back(picture);
        pictureRect = rect;
        pictureImage = image;
        size = { width, height };
    }
    void AddKeyItem(int picture, KeyItem const& item) override { items.push_back({ picture, item }); }

    std::map<int, bool> tabs;
    bool firmwareVisible { false };
    std::pair<int, int> limits { 0, 0 };
    std::vector<int> cleared;
    std::vector<int> pictures;
    KeyRect pictureRect;
    std::wstring pictureImage;
    std::pair<int, int> size { 0, 0 };
    std::vector<std::pair<int, KeyItem>> items;
};

class ModelLoadTest : public ::testing::Test {
protected:
    void SetUp() override { m_dir.write("layouts/kb301.xml", kLayout); }
    bool Load(int deviceType)
    {
        return LoadKeyboardModel(deviceType, { m_dir.path().wstring(), m_models.list, m_database, m_view }, m_state);
    }

    TestSupport::TempDir m_dir;
    Models m_models;
    RecordingDatabase m_database;
    RecordingView m_view;
    KeyboardModelState m_state;
};

}

TEST(LayoutTextForms, RectIsPositionAndSizeWithMissingPartsZero)
{
    EXPECT_EQ(ParseKeyRect(L"10#20#30#40"), (KeyRect { 10, 20, 40, 60 }));
    EXPECT_EQ(ParseKeyRect(L"5#5"), (KeyRect { 5, 5, 5, 5 }));
    EXPECT_EQ(ParseKeyRect(L"x#7##2"), (KeyRect { 0, 7, 0, 9 }));
    EXPECT_EQ(ParseKeyRect(L""), (KeyRect { 0, 0, 0, 0 }));
    EXPECT_EQ(ParseKeyRect(L"2147483647#0#10#0").right, 2147483647);
}

TEST(LayoutTextForms, RowColTakesOneRowDigitAndOneOrTwoColumnDigits)
{
    struct Case { wchar_t const* text; bool valid; int row; int column; };
    Case const cases[] = {
        { L"2,13", true, 2, 13 }, { L"2,7", true, 2, 7 }, { L"0,0", true, 0, 0 }, { L"7,31", true, 7, 31 },
        { L"7#05", true, 7, 5 }, { L"8,0", false, 0, 0 }, { L"1,32", false, 0, 0 }, { L"9,99", false, 0, 0 },
        { L"1,", false, 0, 0 }, { L"", false, 0, 0 }, { L"1,234", false, 0, 0 }, { L"a,1", false, 0, 0 },
        { L"1,x", false, 0, 0 }, { L"12,3", false, 0, 0 },
    };
    for (auto const& c : cases) {
        auto cell = ParseMatrixCell(c.text);
        ASSERT_EQ(cell.has_value(), c.valid) << std::string(c.text, c.text + std::wcslen(c.text));
        if (cell) {
            EXPECT_EQ(*cell, (MatrixCell { c.row, c.column }));
        }
    }
}

TEST_F(ModelLoadTest, MenuWithoutMacrosGivesFlags45AndHidesTheMacroTab)
{
    ASSERT_TRUE(Load(301));
    EXPECT_EQ(m_state.pageFlags, 0x45);
    EXPECT_EQ(m_view.tabs, (std::map<int, bool> { { 1, true }, { 2, false }, { 3, true } }));
    EXPECT_EQ(m_view.cleared, (std::vector<int> { kPageKeys, kPageLighting, kPageSettingsPicture }));
    EXPECT_EQ(m_view.pictures, (std::vector<int> { kPageKeys, kPageLighting, kPageSettingsPicture }));
    EXPECT_EQ(m_view.items.size(), 12u); // four keys on three pictures
    EXPECT_EQ(m_view.pictureRect, (KeyRect { 100, 200, 1000, 500 }));
    EXPECT_EQ(m_view.pictureImage, L"keyboard/k.png");
    EXPECT_EQ(m_view.size, (std::pair<int, int> { 900, 300 }));
}

TEST_F(ModelLoadTest, SectionsFillTheModelTables)
{
    ASSERT_TRUE(Load(301));
    EXPECT_EQ(m_database.switches, std::vector<std::wstring> { L"KB301" });
    EXPECT_EQ(m_state.modelName, L"KB301");
    EXPECT_EQ(m_state.macroStepLimit, 60);
    EXPECT_TRUE(m_state.sleepTime);
    EXPECT_EQ(m_state.firmwareVersion, L"1.2");
    EXPECT_EQ(m_state.receiverUrl, L"https://fw.example/r");
    EXPECT_TRUE(m_view.firmwareVisible);
    EXPECT_TRUE(m_state.rgbKeyboard);
    EXPECT_EQ(m_state.defaultMode, 3);
    EXPECT_EQ(m_view.limits, (std::pair<int, int> { 5, 6 }));
    ASSERT_EQ(m_state.lightModes.size(), 2u);
    EXPECT_EQ(m_state.lightModes[1].name, L"402");
    EXPECT_EQ(m_state.lightModes[1].attribute, 1024);
    EXPECT_EQ(m_state.rowCount, 6);
    EXPECT_EQ(m_state.columnCount, 21);
    EXPECT_EQ(m_state.fnDisabled, std::set<int> { 0x29 });
}

TEST_F(ModelLoadTest, RepeatedCodeLaterIndexesWinAndBothKeysArePlaced)
{
    ASSERT_TRUE(Load(301));
    EXPECT_EQ(m_state.keyIndex.at(4), 9);
    EXPECT_EQ(m_state.lightIndex.at(4), 11);
    EXPECT_EQ(m_state.matrix[2][13], 4);
    EXPECT_EQ(m_state.matrix[2][7], 4);
    // Each key goes to the three pictures before the next key.
    EXPECT_EQ(m_view.items[3].second.caption, L"A");
    EXPECT_EQ(m_view.items[6].second.caption, L"A2");
    EXPECT_EQ(m_view.items[0].second.rect, (KeyRect { 10, 20, 40, 60 }));
    EXPECT_EQ(m_view.items[0].second.tip, L"Escape");
    EXPECT_EQ(m_view.items[0].second.code, 0x29u);
    EXPECT_EQ(m_view.items[3].second.icon, L"a.png");
}

TEST_F(ModelLoadTest, RowColOutsideTheMatrixPlacesNoCellButKeepsTheKey)
{
    ASSERT_TRUE(Load(301));
    int cells = 0;
    for (auto const& row : m_state.matrix)
        for (auto cell : row)
            cells += cell != 0xFF ? 1 : 0;
    EXPECT_EQ(cells, 3);
    EXPECT_EQ(m_state.keyIndex.at(5), 6);
    EXPECT_EQ(m_view.items[9].second.caption, L"B");
}

TEST_F(ModelLoadTest, MissingLayoutStillSwitchesTheDatabaseAndKeepsTheOldTables)
{
    ASSERT_TRUE(Load(301));
    EXPECT_FALSE(Load(202));
    EXPECT_EQ(m_database.switches, (std::vector<std::wstring> { L"KB301", L"KB202" }));
    EXPECT_EQ(m_state.keyIndex.at(4), 9);
    EXPECT_EQ(m_state.pageFlags, 0x45);
    EXPECT_EQ(m_state.macroStepLimit, 80);
}

TEST_F(ModelLoadTest, UnknownDeviceTypeOpensTheEmptyModelNameAndFindsNoLayout)
{
    EXPECT_FALSE(Load(999));
    EXPECT_EQ(m_database.switches, std::vector<std::wstring> { L"" });
    EXPECT_EQ(m_state.pageFlags, kPageFlagsBeforeLoad);
}

TEST_F(ModelLoadTest, WrongRootOrSectionsOutOfOrder)
{
    m_dir.write("layouts/kb301.xml", "<other/>");
    EXPECT_FALSE(Load(301));
    // light before menu: menu is found, and the search for light starts
    // after it and finds nothing.
    m_dir.write("layouts/kb301.xml", "<device.info><light default_mode=\"2\"/><menu macro=\"1\" light_mode=\"1\"/></device.info>");
    ASSERT_TRUE(Load(301));
    EXPECT_EQ(m_state.pageFlags, 0x47);
    EXPECT_EQ(m_state.defaultMode, 0);
}

TEST_F(ModelLoadTest, WithoutMenuOnlyEnabledPicturesAreTouched)
{
    m_dir.write("layouts/kb301.xml", "<device.info><menu macro=\"1\" light_mode=\"0\"/>"
                                     "<Keyboard><KeyItems><key code=\"4\" rect=\"1#1#1#1\"/></KeyItems></Keyboard></device.info>");
    ASSERT_TRUE(Load(301));
    EXPECT_EQ(m_state.pageFlags, 0x43);
    EXPECT_EQ(m_view.items.size(), 2u);
    EXPECT_EQ(m_view.items[0].first, kPageKeys);
    EXPECT_EQ(m_view.items[1].first, kPageSettingsPicture);
}
