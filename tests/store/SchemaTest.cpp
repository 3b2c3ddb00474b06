#include "StoreFixture.h"

#include <filesystem>

using namespace Tessera;

namespace {

// sqlite_master keeps each CREATE statement as it was sent, without its
// "IF NOT EXISTS"; blanks and tabs are part of the file format.
std::vector<std::string> const kExpectedSchema = {
    "CREATE TABLE t_configdata(config_id INTEGER PRIMARY KEY AUTOINCREMENT, \t\t\t\t\t\t\t\t  profile INTEGER, key TEXT, value TEXT)",
    "CREATE TABLE t_profile_data(profile INTEGER PRIMARY KEY AUTOINCREMENT, \t\t\t\t\t\t\t\t  name TEXT, status INTEGER, app TEXT, type INTEGER)",
    "CREATE INDEX profileindex ON t_profile_data(profile)",
    "CREATE TABLE t_key_macro_data(key_id INTEGER PRIMARY KEY AUTOINCREMENT, \t\t\t\t\t\t\t\tprofile INTEGER, fn_layer INTEGER, key_code INTEGER, layout_value INTEGER, layout_desc TEXT, \t\t\t\t\t\t\t\tmacro_type INTEGER, macro_value INTEGER, macro_value2 INTEGER, macro_value3 INTEGER, macro_desc TEXT)",
    "CREATE INDEX keyindex ON t_key_macro_data(key_id)",
    "CREATE TABLE t_key_otherdata(macro_value INTEGER PRIMARY KEY AUTOINCREMENT, \t\t\t\t\t\t\t\t  macro_desc TEXT, param TEXT, type INTEGER)",
    "CREATE INDEX otheridindex ON t_key_otherdata(macro_value)",
    "CREATE TABLE t_macro_data(macro_id INTEGER PRIMARY KEY AUTOINCREMENT, \t\t\t\t\t\t\t\t  play_times INTEGER, delay_type INTEGER, delay_time INTEGER, link_count INTEGER, name TEXT)",
    "CREATE INDEX macroidindex ON t_macro_data(macro_id)",
    "CREATE TABLE t_macrorecord(record_id INTEGER PRIMARY KEY AUTOINCREMENT, \t\t\t\t\t\t\t\t  macro_id INTEGER, type INTEGER, record_index INTEGER, desc TEXT, value INTEGER, delay_time INTEGER)",
    "CREATE INDEX macrorecordindex ON t_macrorecord(record_id)",
    "CREATE TABLE t_light_data(light_id INTEGER PRIMARY KEY AUTOINCREMENT, \t\t\t\t\t\t\t\t\t\t  profile INTEGER, name TEXT, mode INTEGER, brightness INTEGER, speed INTEGER, \t\t\t\t\t\t\t\t\t\tdirection INTEGER, colorful INTEGER, colorindex INTEGER, \t\t\t\t\t\t\t\t\t\tcolor_value INTEGER, config_func INTEGER, reserved INTEGER, status INTEGER)",
    "CREATE INDEX lightindex ON t_light_data(light_id)",
    "CREATE TABLE t_key_light_data(keylight_id INTEGER PRIMARY KEY AUTOINCREMENT, \t\t\t\t\t\t\t\t   profile INTEGER, light_id INTEGER, key_code INTEGER, key_rgb INTEGER)",
    "CREATE INDEX keylightindex ON t_key_light_data(keylight_id)",
    "CREATE TABLE t_musiclayer_data(layer_id INTEGER PRIMARY KEY AUTOINCREMENT, \t\t\t\t\t\t\t\t   profile INTEGER, name TEXT, deviceindex INTEGER, foremode INTEGER, fore_amplitude INTEGER,\t\t\t\t\t\t\t\t   backmode INTEGER, backb_right INTEGER, sel INTEGER)",
    "CREATE INDEX musiclayerindex ON t_musiclayer_data(layer_id)",
};

}

TEST_F(StoreTest, NewFileHasExactlyTheNineTablesAndEightIndexesInOrder)
{
    auto rows = QueryFile(dbPath(), "SELECT sql FROM sqlite_master WHERE name NOT LIKE 'sqlite_%' ORDER BY rowid");
    EXPECT_EQ(rows, kExpectedSchema);
    EXPECT_EQ(QueryFile(dbPath(), "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name LIKE 't_%'"),
              std::vector<std::string> { "9" });
    EXPECT_EQ(QueryFile(dbPath(), "SELECT count(*) FROM sqlite_master WHERE type = 'index'"),
              std::vector<std::string> { "8" });
    EXPECT_EQ(QueryFile(dbPath(), "SELECT count(*) FROM t_profile_data"), std::vector<std::string> { "0" });
}

TEST_F(StoreTest, FileLivesInDbFolderUnderTheModelName)
{
    EXPECT_EQ(m_db.DatabasePath(), dbPath());
    EXPECT_TRUE(std::filesystem::exists(dbPath()));
    EXPECT_EQ(DeviceDatabase::DatabaseFilePath(L"/data/Tessera Files/", L""), "/data/Tessera Files/db/_data_v1.db");
    EXPECT_EQ(DeviceDatabase::DatabaseFilePath(L"/data/x", L"K\u00e9"), "/data/x/db/K\xc3\xa9_data_v1.db");
}

TEST(StoreFile, ExistingFileGetsNoSchemaStatement)
{
    TestSupport::TempDir dir;
    std::filesystem::create_directories(dir.path() / "db");
    std::string path = (dir.path() / "db" / "M_data_v1.db").string();
    ASSERT_TRUE(RunSqliteTool(path, "CREATE TABLE other(x INTEGER);\n"));
    DeviceDatabase db;
    ASSERT_TRUE(db.OpenDatabase(dir.path().wstring(), L"M"));
    db.CloseDatabase();
    EXPECT_EQ(QueryFile(path, "SELECT name FROM sqlite_master"), std::vector<std::string> { "other" });
}

TEST(StoreFile, DatabaseWrittenByTheCommandLineToolOpensAndReads)
{
    TestSupport::TempDir dir;
    std::filesystem::create_directories(dir.path() / "db");
    std::string path = (dir.path() / "db" / "M_data_v1.db").string();
    std::string script;
    for (auto const& statement : kExpectedSchema)
        script += statement + ";\n";
    script += "PRAGMA journal_mode = DELETE;\n"
              "INSERT INTO t_profile_data(name, status, app, type) VALUES ('Gaming', 1, '', 0);\n"
              "INSERT INTO t_configdata(profile, key, value) VALUES (1, 'sleeptime', '3');\n"
              "INSERT INTO t_macro_data(play_times, delay_type, delay_time, link_count, name) VALUES (2, 1, 0, 0, '\xe5\xae\x8f');\n";
    ASSERT_TRUE(RunSqliteTool(path, script));

    DeviceDatabase db;
    ASSERT_TRUE(db.OpenDatabase(dir.path().wstring(), L"M"));
    std::vector<ProfileData> profiles;
    ASSERT_EQ(db.LoadProfiles(profiles), 1);
    EXPECT_EQ(profiles[0].name, L"Gaming");
    EXPECT_EQ(db.GetActiveProfile(), 1);
    std::wstring value;
    EXPECT_TRUE(db.GetConfigValue(L"sleeptime", value));
    EXPECT_EQ(value, L"3");
    MacroData macro;
    ASSERT_TRUE(db.GetMacroData(1, macro));
    EXPECT_EQ(macro.name, L"\u5b8f");
    EXPECT_EQ(macro.play_times, 2);
    EXPECT_GT(db.AddProfile(ProfileData { 0, L"New", L"", 0, 0 }), 1);
    db.CloseDatabase();

    // And the other way round: the tool reads what the store wrote.
    ASSERT_TRUE(RunSqliteTool(path, "PRAGMA integrity_check;\n"));
    EXPECT_EQ(QueryFile(path, "SELECT name FROM t_profile_data ORDER BY profile"),
              (std::vector<std::string> { "Gaming", "New" }));
}

TEST(StoreFile, DeleteClosesTheConnectionAndTheNextOpenCreatesAnEmptyFile)
{
    TestSupport::TempDir dir;
    DeviceDatabase db;
    ASSERT_TRUE(db.OpenDatabase(dir.path().wstring(), L"M"));
    db.AddProfile(ProfileData { 0, L"Old", L"", 0, 0 });
    EXPECT_TRUE(db.DeleteDatabaseFile(dir.path().wstring(), L"M"));
    EXPECT_FALSE(db.IsOpened());
    EXPECT_FALSE(std::filesystem::exists(db.DatabasePath()));
    EXPECT_FALSE(std::filesystem::exists(db.DatabasePath() + "-wal"));
    ASSERT_TRUE(db.OpenDatabase(dir.path().wstring(), L"M"));
    std::vector<ProfileData> profiles;
    EXPECT_EQ(db.LoadProfiles(profiles), 0);
}

TEST(StoreFile, OpeningAnotherModelSwitchesFiles)
{
    TestSupport::TempDir dir;
    DeviceDatabase db;
    ASSERT_TRUE(db.OpenDatabase(dir.path().wstring(), L"A"));
    db.AddProfile(ProfileData { 0, L"OfA", L"", 0, 0 });
    ASSERT_TRUE(db.OpenDatabase(dir.path().wstring(), L"B"));
    std::vector<ProfileData> profiles;
    EXPECT_EQ(db.LoadProfiles(profiles), 0);
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "db" / "B_data_v1.db"));
}

TEST(StoreFile, FileThatIsNotADatabaseLeavesTheStoreClosed)
{
    TestSupport::TempDir dir;
    dir.write("db/M_data_v1.db", std::string(4096, 'x'));
    DeviceDatabase db;
    db.OpenDatabase(dir.path().wstring(), L"M");
    std::vector<ProfileData> profiles;
    EXPECT_EQ(db.LoadProfiles(profiles), 0);
    EXPECT_EQ(db.AddProfile(ProfileData {}), 0);
}
