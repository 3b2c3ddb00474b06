#include "StoreFixture.h"

#include <thread>

using namespace Tessera;

// The window thread edits keys while the worker reads them and the colour set
// is replaced: the one lock keeps every operation whole.
TEST_F(StoreTest, OperationsFromTwoThreadsNeverInterleave)
{
    constexpr int kRounds = 200;
    std::thread writer([this] {
        for (int i = 0; i < kRounds; ++i) {
            KeyMacroData key;
            key.profile = 1;
            key.key_code = 4 + i % 20;
            key.macro_type = 2;
            key.macro_value = 5 + i;
            m_db.SaveKeyMacroData(key);
            m_db.DeleteKeyLightData();
            m_db.SaveKeyLightData({ { 0, 1, 128, 4, i }, { 0, 1, 128, 5, i } });
        }
    });
    int inconsistent = 0;
    for (int i = 0; i < kRounds; ++i) {
        std::vector<KeyMacroData> keys;
        m_db.LoadLayerKeyMacroData(1, 0, keys);
        std::vector<KeyLightData> lights;
        int count = m_db.LoadKeyLightData(128, lights);
        // Between the delete and the batch the set may be empty, but a batch
        // is never seen half written.
        inconsistent += (count != 0 && count != 2) ? 1 : 0;
    }
    writer.join();
    EXPECT_EQ(inconsistent, 0);
    std::vector<KeyMacroData> keys;
    EXPECT_EQ(m_db.LoadLayerKeyMacroData(1, 0, keys), 20);
}

TEST(StoreThreads, SwitchingModelsWhileAnotherThreadQueries)
{
    TestSupport::TempDir dir;
    DeviceDatabase db;
    ASSERT_TRUE(db.OpenDatabase(dir.path().wstring(), L"A"));
    std::thread switcher([&] {
        for (int i = 0; i < 50; ++i) {
            db.CloseDatabase();
            db.OpenDatabase(dir.path().wstring(), i % 2 ? L"A" : L"B");
        }
    });
    for (int i = 0; i < 500; ++i) {
        db.AddProfile(ProfileData { 0, L"p", L"", 0, 0 });
        std::vector<ProfileData> profiles;
        db.LoadProfiles(profiles);
    }
    switcher.join();
}
