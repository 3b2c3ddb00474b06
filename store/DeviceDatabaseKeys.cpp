// Key functions of DeviceDatabase.
#include "store/BoundStatement.h"
#include "store/DeviceDatabase.h"

namespace Tessera {

namespace {

constexpr int kMacroFunctionType = 3;

KeyMacroData ReadKeyMacroData(BoundStatement const& sql)
{
    KeyMacroData row;
    row.key_id = sql.ColumnInt(0);
    row.profile = sql.ColumnInt(1);
    row.fn_layer = sql.ColumnInt(2);
    row.key_code = sql.ColumnInt(3);
    row.layout_value = sql.ColumnInt(4);
    row.layout_desc = sql.ColumnText(5);
    row.macro_type = sql.ColumnInt(6);
    row.macro_value = sql.ColumnInt(7);
    row.macro_value2 = sql.ColumnInt(8);
    row.macro_value3 = sql.ColumnInt(9);
    row.macro_desc = sql.ColumnText(10);
    return row;
}

int ReadKeyMacroList(BoundStatement& sql, std::vector<KeyMacroData>& list)
{
    while (sql.StepRow())
        list.push_back(ReadKeyMacroData(sql));
    return static_cast<int>(list.size());
}

}

int DeviceDatabase::SaveKeyMacroData(KeyMacroData const& data)
{
    if (data.key_code == 0)
        return 0;
    Lock lock(m_lock);
    BoundStatement sql(m_db, "DELETE FROM t_key_macro_data WHERE profile = ? and fn_layer = ? and key_code = ?");
    sql.Int(data.profile).Int(data.fn_layer).Int(data.key_code).Step();
    if (data.macro_value == 0 && data.macro_value2 == 0)
        return 0;
    sql.Reset("INSERT INTO t_key_macro_data(profile, fn_layer, key_code, layout_value, layout_desc,"
              "                     macro_type, macro_value, macro_value2, macro_value3, macro_desc) "
              "\t\t\t\t\t VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?);");
    sql.Int(data.profile).Int(data.fn_layer).Int(data.key_code).Int(data.layout_value).Text(data.layout_desc);
    sql.Int(data.macro_type).Int(data.macro_value).Int(data.macro_value2).Int(data.macro_value3).Text(data.macro_desc);
    return InsertResult(sql.StepWrite(), 0);
}

bool DeviceDatabase::GetKeyMacroData(int profile, int fnLayer, int keyCode, KeyMacroData& data)
{
    Lock lock(m_lock);
    BoundStatement sql(m_db, "SELECT * FROM t_key_macro_data WHERE profile = ? and fn_layer = ? and key_code = ?");
    sql.Int(profile).Int(fnLayer).Int(keyCode);
    if (!sql.StepRow())
        return false;
    data = ReadKeyMacroData(sql);
    return true;
}

int DeviceDatabase::LoadLayerKeyMacroData(int profile, int fnLayer, std::vector<KeyMacroData>& list)
{
    Lock lock(m_lock);
    list.clear();
    BoundStatement sql(m_db, "SELECT * FROM t_key_macro_data WHERE profile = ? and fn_layer = ?");
    sql.Int(profile).Int(fnLayer);
    return ReadKeyMacroList(sql, list);
}

int DeviceDatabase::LoadProfileKeyMacroData(int profile, std::vector<KeyMacroData>& list)
{
    Lock lock(m_lock);
    list.clear();
    BoundStatement sql(m_db, "SELECT * FROM t_key_macro_data WHERE profile = ?");
    sql.Int(profile);
    return ReadKeyMacroList(sql, list);
}

bool DeviceDatabase::RenameMacroInKeys(int macroId, std::wstring const& name)
{
    Lock lock(m_lock);
    BoundStatement sql(m_db, "UPDATE t_key_macro_data SET macro_desc = ? WHERE macro_type = ? AND macro_value = ?");
    sql.Text(name).Int(kMacroFunctionType).Int(macroId);
    return sql.StepWrite();
}

bool DeviceDatabase::DeleteMacroFromKeys(int macroId)
{
    Lock lock(m_lock);
    BoundStatement sql(m_db, "DELETE FROM t_key_macro_data WHERE macro_type = ? AND macro_value = ?");
    sql.Int(kMacroFunctionType).Int(macroId);
    return sql.StepWrite();
}

void DeviceDatabase::DeleteProfileKeyMacroData(int profile)
{
    Lock lock(m_lock);
    BoundStatement sql(m_db, "DELETE FROM t_key_macro_data WHERE profile = ?");
    sql.Int(profile).Step();
}

int DeviceDatabase::AddKeyOtherData(std::wstring const& macroDesc, std::wstring const& param, int type)
{
    Lock lock(m_lock);
    BoundStatement sql(m_db, "INSERT INTO t_key_otherdata(macro_desc, param, type) VALUES (?, ?, ?);");
    sql.Text(macroDesc).Text(param).Int(type);
    return InsertResult(sql.StepWrite(), 0);
}

bool DeviceDatabase::GetKeyOtherData(int id, std::wstring& macroDesc, std::wstring& param, int& type)
{
    Lock lock(m_lock);
    BoundStatement sql(m_db, "SELECT macro_desc, param, type FROM t_key_otherdata WHERE macro_value = ?");
    sql.Int(id);
    if (sql.StepRow()) {
        macroDesc = sql.ColumnText(0);
        param = sql.ColumnText(1);
        type = sql.ColumnInt(2);
    }
    return true;
}

}
