// Light modes, per-key colours and music layers of DeviceDatabase.
#include "store/BoundStatement.h"
#include "store/DeviceDatabase.h"
#include "store/SQLiteAutoTransaction.h"

namespace Tessera {

namespace {

constexpr int kMusicProfile = 1;
constexpr int kMusicLayer = 1;

LightData ReadLightData(BoundStatement const& sql)
{
    LightData row;
    row.light_id = sql.ColumnInt(0);
    row.profile = sql.ColumnInt(1);
    row.name = sql.ColumnText(2);
    row.mode = sql.ColumnInt(3);
    row.brightness = sql.ColumnInt(4);
    row.speed = sql.ColumnInt(5);
    row.direction = sql.ColumnInt(6);
    row.colorful = sql.ColumnInt(7);
    row.colorindex = sql.ColumnInt(8);
    row.color_value = sql.ColumnInt(9);
    row.config_func = sql.ColumnInt(10);
    row.reserved = sql.ColumnInt(11);
    row.status = sql.ColumnInt(12);
    return row;
}

}

int DeviceDatabase::CountLightData(int profile)
{
    Lock lock(m_lock);
    BoundStatement sql(m_db, "select count(*) FROM t_light_data WHERE profile = ?");
    sql.Int(profile);
    return sql.StepRow() ? sql.ColumnInt(0) : 0;
}

int DeviceDatabase::AddLightData(LightData const& data)
{
    Lock lock(m_lock);
    BoundStatement sql(m_db, "INSERT INTO t_light_data(profile, name, mode, brightness, speed, direction, "
                             "\t\t\t\t\t colorful, colorindex, color_value, config_func, reserved, status) "
                             "\t\t\t\t\t VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?);");
    sql.Int(data.profile).Text(data.name).Int(data.mode).Int(data.brightness).Int(data.speed).Int(data.direction);
    sql.Int(data.colorful).Int(data.colorindex).Int(data.color_value).Int(data.config_func).Int(data.reserved);
    sql.Int(data.status);
    return InsertResult(sql.StepWrite(), 0);
}

bool DeviceDatabase::UpdateLightData(int profile, int mode, LightData const& data)
{
    Lock lock(m_lock);
    BoundStatement sql(m_db, "UPDATE t_light_data SET brightness = ?, speed = ?, direction = ?, colorful = ?, "
                             "colorindex = ?,\t\t\t color_value = ?, config_func = ?, reserved = ? "
                             "WHERE profile = ? AND mode = ?");
    sql.Int(data.brightness).Int(data.speed).Int(data.direction).Int(data.colorful).Int(data.colorindex);
    sql.Int(data.color_value).Int(data.config_func).Int(data.reserved).Int(profile).Int(mode);
    return sql.StepWrite();
}

bool DeviceDatabase::SetActiveLightMode(int profile, int mode)
{
    Lock lock(m_lock);
    BoundStatement sql(m_db, "UPDATE t_light_data SET status = ?");
    sql.Int(0).Step();
    sql.Reset("UPDATE t_light_data SET status = ? WHERE profile = ? and mode = ?");
    sql.Int(1).Int(profile).Int(mode);
    return sql.StepWrite();
}

int DeviceDatabase::GetActiveLightMode(int profile)
{
    Lock lock(m_lock);
    BoundStatement sql(m_db, "SELECT mode FROM t_light_data WHERE profile = ? and status = ?");
    sql.Int(profile).Int(1);
    return sql.StepRow() ? sql.ColumnInt(0) : 0;
}

bool DeviceDatabase::GetLightData(int profile, int mode, LightData& data)
{
    Lock lock(m_lock);
    BoundStatement sql(m_db, "SELECT * FROM t_light_data WHERE profile = ? AND mode = ?");
    sql.Int(profile).Int(mode);
    if (!sql.StepRow())
        return false;
    data = ReadLightData(sql);
    return true;
}

int DeviceDatabase::LoadLightData(int profile, std::vector<LightData>& list)
{
    Lock lock(m_lock);
    list.clear();
    BoundStatement sql(m_db, "SELECT * FROM t_light_data WHERE profile = ?");
    sql.Int(profile);
    while (sql.StepRow())
        list.push_back(ReadLightData(sql));
    return static_cast<int>(list.size());
}

int DeviceDatabase::SaveKeyLightData(std::vector<KeyLightData> const& list)
{
    Lock lock(m_lock);
    SQLiteAutoTransaction transaction(&m_db);
    transaction.Begin();
    BoundStatement sql(m_db, nullptr);
    for (KeyLightData const& row : list) {
        sql.Reset("INSERT INTO t_key_light_data(profile, light_id, key_code, key_rgb) VALUES (?, ?, ?, ?);");
        sql.Int(row.profile).Int(row.light_id).Int(row.key_code).Int(row.key_rgb).Step();
    }
    transaction.Commit();
    return static_cast<int>(list.size());
}

bool DeviceDatabase::DeleteKeyLightData()
{
    Lock lock(m_lock);
    BoundStatement sql(m_db, "DELETE FROM t_key_light_data WHERE light_id = ?");
    sql.Int(kKeyLightSetId);
    return sql.StepWrite();
}

int DeviceDatabase::LoadKeyLightData(int lightId, std::vector<KeyLightData>& list)
{
    Lock lock(m_lock);
    list.clear();
    BoundStatement sql(m_db, "SELECT * FROM t_key_light_data WHERE light_id = ?");
    sql.Int(lightId);
    while (sql.StepRow()) {
        KeyLightData& row = list.emplace_back();
        row.keylight_id = sql.ColumnInt(0);
        row.profile = sql.ColumnInt(1);
        row.light_id = sql.ColumnInt(2);
        row.key_code = sql.ColumnInt(3);
        row.key_rgb = sql.ColumnInt(4);
    }
    return static_cast<int>(list.size());
}

int DeviceDatabase::CountMusicLayers()
{
    Lock lock(m_lock);
    BoundStatement sql(m_db, "select count(*) FROM t_musiclayer_data WHERE profile = ?");
    sql.Int(kMusicProfile);
    return sql.StepRow() ? sql.ColumnInt(0) : 0;
}

int DeviceDatabase::AddMusicLayer(std::wstring const& name, int foremode)
{
    Lock lock(m_lock);
    BoundStatement sql(m_db, "INSERT INTO t_musiclayer_data(profile, name, deviceindex, foremode, fore_amplitude, "
                             "backmode, backb_right, sel) \t\t\t\t\t\t\t\t\t\t\t\t\t"
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?);");
    sql.Int(kMusicProfile).Text(name).Int(0).Int(foremode).Int(300).Int(0).Int(100).Int(0);
    int result = sql.Step();
    return InsertResult(IsWriteSuccess(result), result);
}

bool DeviceDatabase::GetMusicLayer(int layerId, MusicLayerData& data)
{
    Lock lock(m_lock);
    BoundStatement sql(m_db, "SELECT * FROM t_musiclayer_data WHERE layer_id = ?");
    sql.Int(layerId);
    if (!sql.StepRow())
        return false;
    data.layer_id = sql.ColumnInt(0);
    data.profile = sql.ColumnInt(1);
    data.name = sql.ColumnText(2);
    data.deviceindex = sql.ColumnInt(3);
    data.foremode = sql.ColumnInt(4);
    data.fore_amplitude = sql.ColumnInt(5);
    data.backmode = sql.ColumnInt(6);
    data.backb_right = sql.ColumnInt(7);
    return true;
}

bool DeviceDatabase::UpdateMusicLayer(MusicLayerData const& data)
{
    Lock lock(m_lock);
    BoundStatement sql(m_db, "UPDATE t_musiclayer_data SET deviceindex= ?, foremode= ?, fore_amplitude = ?, "
                             "backmode= ?, backb_right= ? WHERE layer_id = ?");
    sql.Int(data.deviceindex).Int(data.foremode).Int(data.fore_amplitude).Int(data.backmode).Int(data.backb_right);
    sql.Int(kMusicLayer);
    return sql.StepWrite();
}

bool DeviceDatabase::SelectMusicLayer()
{
    Lock lock(m_lock);
    BoundStatement sql(m_db, "UPDATE t_musiclayer_data SET sel = ? WHERE profile = ?");
    sql.Int(0).Int(kMusicProfile).Step();
    sql.Reset("UPDATE t_musiclayer_data SET sel = ? WHERE profile = ? AND layer_id = ?");
    sql.Int(1).Int(kMusicProfile).Int(kMusicLayer);
    return sql.StepWrite();
}

int DeviceDatabase::GetSelectedMusicLayer()
{
    Lock lock(m_lock);
    BoundStatement sql(m_db, "SELECT layer_id FROM t_musiclayer_data WHERE profile = ? AND sel = ?");
    sql.Int(kMusicProfile).Int(1);
    return sql.StepRow() ? sql.ColumnInt(0) : 0;
}

}
