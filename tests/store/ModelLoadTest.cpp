#include "StoreFixture.h"

#include "config/DescriptionFile.h"
#include "config/KeyboardModel.h"
#include "store/DefaultData.h"
#include "store/ModelDatabaseSwitch.h"
#include "store/ModelLightDefaults.h"

#include <test_support/Paths.h>

using namespace Tessera;

namespace {

class NullView : public ModelLoadView {
public:
    void SetTabVisible(int, bool) override { }
    void SetFirmwareUpdateVisible(bool) override { }
    void SetLightSliderLimits(int, int) override { }
    void ClearKeyboardPicture(int) override { }
    void SetKeyboardPicture(int, KeyRect const&, std::wstring const&, int, int) override { }
    void AddKeyItem(int, KeyItem const&) override { ++items; }
    int items { 0 };
};

}

// The shipped description and layout files drive the database switch and the
// default light rows, as the main window does at start-up.
TEST(ModelLoad, ShippedModelOpensItsDatabaseAndGetsOneLightRowPerMode)
{
    TestSupport::TempDir data;
    std::wstring programFolder = (TestSupport::source_dir() / "data").wstring();
    auto description = ReadDescriptionFile(DescriptionFilePath(programFolder), nullptr, nullptr);
    ASSERT_TRUE(description.loaded);
    DeviceDatabase db;
    ModelDatabaseSwitch databaseSwitch(db, data.path().wstring());
    NullView view;
    KeyboardModelState state;
    ASSERT_TRUE(LoadKeyboardModel(301, { programFolder, description.models, databaseSwitch, view }, state));
    EXPECT_TRUE(db.IsOpened());
    EXPECT_TRUE(std::filesystem::exists(data.path() / "db" / "TK301_data_v1.db"));
    EXPECT_EQ(view.items, 108 * 3);

    CreateDefaultLightData(db, MakeLightDefaults(state));
    std::vector<LightData> rows;
    EXPECT_EQ(db.LoadLightData(1, rows), static_cast<int>(state.lightModes.size()));
    EXPECT_EQ(db.GetActiveLightMode(1), state.defaultMode);

    // Another model: a file of its own, even when its layout cannot be read.
    ASSERT_TRUE(LoadKeyboardModel(202, { L"/nonexistent", description.models, databaseSwitch, view }, state) == false);
    EXPECT_TRUE(std::filesystem::exists(data.path() / "db" / "TK202_data_v1.db"));
    EXPECT_EQ(db.LoadLightData(1, rows), 0);
}
