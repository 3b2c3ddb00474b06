// Settings and profiles of DeviceDatabase.
#include "store/BoundStatement.h"
#include "store/DeviceDatabase.h"

#include <array>
#include <utility>

namespace Tessera {

namespace {

constexpr int kSettingsProfile = 1;

constexpr std::array<std::pair<wchar_t const*, wchar_t const*>, 14> kDefaultSettings { {
    { L"version", L"1.0.1" },
    { L"keyboard_layout", L"1" },
    { L"fn_layer", L"0" },
    { L"fn_switch", L"0" },
    { L"lightmode", L"1" },
    { L"sleep_light", L"1" },
    { L"sleeptime", L"1" },
    { L"key_responsetime", L"1" },
    { L"userlight", L"0" },
    { L"customlight_run", L"0" },
    { L"gamemode", L"0" },
    { L"disable_alttab", L"0" },
    { L"disable_altf4", L"0" },
    { L"disable_win", L"0" },
} };

}

bool DeviceDatabase::GetConfigValue(std::wstring const& key, std::wstring& value)
{
    Lock lock(m_lock);
    value.clear();
    BoundStatement sql(m_db, "SELECT value FROM t_configdata WHERE profile = ? and key = ?");
    sql.Int(kSettingsProfile).Text(key);
    if (!sql.StepRow())
        return false;
    value = sql.ColumnText(0);
    return true;
}

bool DeviceDatabase::SetConfigValue(std::wstring const& key, std::wstring const& value)
{
    Lock lock(m_lock);
    BoundStatement sql(m_db, "UPDATE t_configdata SET value = ? WHERE profile = ? and key = ?");
    sql.Text(value).Int(kSettingsProfile).Text(key);
    return sql.StepWrite();
}

void DeviceDatabase::InsertDefaultConfig()
{
    Lock lock(m_lock);
    for (auto const& [key, value] : kDefaultSettings) {
        BoundStatement sql(m_db, "INSERT INTO t_configdata(profile, key, value) VALUES (?, ?, ?);");
        sql.Int(kSettingsProfile).Text(key).Text(value);
        sql.Step();
    }
}

int DeviceDatabase::AddProfile(ProfileData const& profile)
{
    Lock lock(m_lock);
    BoundStatement sql(m_db, "INSERT INTO t_profile_data(name, status, app, type) VALUES (?, ?, ?, ?);");
    sql.Text(profile.name).Int(0).Text(profile.app).Int(0);
    return InsertResult(sql.StepWrite(), 0);
}

bool DeviceDatabase::DeleteProfile(int profile)
{
    Lock lock(m_lock);
    BoundStatement sql(m_db, "DELETE FROM t_profile_data WHERE profile = ?");
    sql.Int(profile);
    return sql.StepWrite();
}

bool DeviceDatabase::RenameProfile(int profile, std::wstring const& name)
{
    Lock lock(m_lock);
    BoundStatement sql(m_db, "UPDATE t_profile_data SET name = ? WHERE profile = ?");
    sql.Text(name).Int(profile);
    return sql.StepWrite();
}

bool DeviceDatabase::GetProfileName(int profile, std::wstring& name)
{
    Lock lock(m_lock);
    name.clear();
    BoundStatement sql(m_db, "SELECT name FROM t_profile_data WHERE profile = ?");
    sql.Int(profile);
    if (!sql.StepRow())
        return false;
    name = sql.ColumnText(0);
    return true;
}

int DeviceDatabase::LoadProfiles(std::vector<ProfileData>& profiles)
{
    Lock lock(m_lock);
    profiles.clear();
    BoundStatement sql(m_db, "SELECT * FROM t_profile_data");
    while (sql.StepRow()) {
        ProfileData& row = profiles.emplace_back();
        row.profile = sql.ColumnInt(0);
        row.name = sql.ColumnText(1);
        row.status = sql.ColumnInt(2);
        row.app = sql.ColumnText(3);
        row.type = sql.ColumnInt(4);
    }
    return static_cast<int>(profiles.size());
}

bool DeviceDatabase::SetActiveProfile(int profile)
{
    Lock lock(m_lock);
    BoundStatement sql(m_db, "UPDATE t_profile_data SET status = ?");
    sql.Int(0).Step();
    sql.Reset("UPDATE t_profile_data SET status = ? WHERE profile = ?");
    sql.Int(1).Int(profile);
    return sql.StepWrite();
}

int DeviceDatabase::GetActiveProfile()
{
    Lock lock(m_lock);
    BoundStatement sql(m_db, "SELECT profile FROM t_profile_data WHERE status = ?");
    sql.Int(1);
    return sql.StepRow() ? sql.ColumnInt(0) : 0;
}

}
