// Macros and macro steps of DeviceDatabase.
#include "store/BoundStatement.h"
#include "store/DeviceDatabase.h"
#include "store/SQLiteAutoTransaction.h"

namespace Tessera {

namespace {

constexpr char const* kInsertMacro =
    "INSERT INTO t_macro_data(play_times, delay_type, delay_time, link_count, name) VALUES (?, ?, ?, ?, ?);";
constexpr char const* kInsertMacroRecord =
    "INSERT INTO t_macrorecord(macro_id, type, record_index, desc, value, delay_time) "
    "\t\t\t\t\t VALUES (?, ?, ?, ?, ?, ?);";
constexpr char const* kLoadMacroRecords = "SELECT * FROM t_macrorecord WHERE macro_id = ? ORDER BY record_index ASC";
// Steps of this type are pauses, not key events.
constexpr int kDelayStepType = 1;

MacroData ReadMacroData(BoundStatement const& sql)
{
    MacroData row;
    row.macro_id = sql.ColumnInt(0);
    row.play_times = sql.ColumnInt(1);
    row.delay_type = sql.ColumnInt(2);
    row.delay_time = sql.ColumnInt(3);
    row.link_count = sql.ColumnInt(4);
    row.name = sql.ColumnText(5);
    return row;
}

void BindMacroRecord(BoundStatement& sql, MacroRecord const& record)
{
    sql.Int(record.macro_id).Int(record.type).Int(record.record_index).Text(record.desc);
    sql.Int(record.value).Int(record.delay_time);
}

}

int DeviceDatabase::AddMacro(std::wstring const& name)
{
    MacroData data;
    data.name = name;
    data.play_times = 1;
    data.delay_type = 1;
    return AddMacroData(data);
}

int DeviceDatabase::AddMacroData(MacroData const& data)
{
    Lock lock(m_lock);
    BoundStatement sql(m_db, kInsertMacro);
    sql.Int(data.play_times).Int(data.delay_type).Int(data.delay_time).Int(data.link_count).Text(data.name);
    int result = sql.Step();
    return InsertResult(IsWriteSuccess(result), result);
}

bool DeviceDatabase::RenameMacro(int macroId, std::wstring const& name)
{
    Lock lock(m_lock);
    BoundStatement sql(m_db, "UPDATE t_macro_data SET name = ? WHERE macro_id = ?");
    sql.Text(name).Int(macroId);
    return sql.StepWrite();
}

bool DeviceDatabase::UpdateMacroPlayback(MacroData const& data)
{
    Lock lock(m_lock);
    BoundStatement sql(m_db, "UPDATE t_macro_data SET play_times = ?, delay_type = ?, "
                             "\t\t\t\t\t delay_time = ? WHERE macro_id = ?");
    sql.Int(data.play_times).Int(data.delay_type).Int(data.delay_time).Int(data.macro_id);
    return sql.StepWrite();
}

bool DeviceDatabase::DeleteMacro(int macroId)
{
    Lock lock(m_lock);
    BoundStatement sql(m_db, "DELETE FROM t_macro_data WHERE macro_id = ?");
    sql.Int(macroId);
    if (!sql.StepWrite())
        return false;
    sql.Reset("DELETE FROM t_macrorecord WHERE macro_id = ?");
    sql.Int(macroId);
    return sql.StepWrite();
}

bool DeviceDatabase::GetMacroPlayTimes(int macroId, int& playTimes)
{
    Lock lock(m_lock);
    BoundStatement sql(m_db, "SELECT play_times FROM t_macro_data WHERE macro_id = ?");
    sql.Int(macroId);
    if (!sql.StepRow())
        return false;
    playTimes = sql.ColumnInt(0);
    return true;
}

bool DeviceDatabase::GetMacroData(int macroId, MacroData& data)
{
    Lock lock(m_lock);
    BoundStatement sql(m_db, "SELECT * FROM t_macro_data WHERE macro_id = ?");
    sql.Int(macroId);
    if (!sql.StepRow())
        return false;
    data = ReadMacroData(sql);
    return true;
}

int DeviceDatabase::LoadMacroData(std::vector<MacroData>& list)
{
    Lock lock(m_lock);
    list.clear();
    BoundStatement sql(m_db, "SELECT * FROM t_macro_data");
    while (sql.StepRow())
        list.push_back(ReadMacroData(sql));
    return static_cast<int>(list.size());
}

int DeviceDatabase::AddMacroRecord(MacroRecord const& record)
{
    Lock lock(m_lock);
    BoundStatement sql(m_db, kInsertMacroRecord);
    BindMacroRecord(sql, record);
    int result = sql.Step();
    return InsertResult(IsWriteSuccess(result), result);
}

void DeviceDatabase::AddMacroRecords(std::vector<MacroRecord> const& records)
{
    Lock lock(m_lock);
    SQLiteAutoTransaction transaction(&m_db);
    transaction.Begin();
    BoundStatement sql(m_db, nullptr);
    for (MacroRecord const& record : records) {
        sql.Reset(kInsertMacroRecord);
        BindMacroRecord(sql, record);
        sql.Step();
    }
    transaction.Commit();
}

int DeviceDatabase::LoadMacroRecords(int macroId, std::vector<MacroRecord>& list)
{
    Lock lock(m_lock);
    list.clear();
    BoundStatement sql(m_db, kLoadMacroRecords);
    sql.Int(macroId);
    while (sql.StepRow()) {
        MacroRecord& row = list.emplace_back();
        row.record_id = sql.ColumnInt(0);
        row.macro_id = sql.ColumnInt(1);
        row.type = sql.ColumnInt(2);
        row.record_index = sql.ColumnInt(3);
        row.desc = sql.ColumnText(4);
        row.value = sql.ColumnInt(5);
        row.delay_time = sql.ColumnInt(6);
    }
    return static_cast<int>(list.size());
}

bool DeviceDatabase::DeleteMacroRecords(int macroId)
{
    Lock lock(m_lock);
    BoundStatement sql(m_db, "DELETE FROM t_macrorecord WHERE macro_id = ?");
    sql.Int(macroId);
    return sql.StepWrite();
}

int DeviceDatabase::CountMacroKeyRecords(int macroId)
{
    Lock lock(m_lock);
    BoundStatement sql(m_db, kLoadMacroRecords);
    sql.Int(macroId);
    int count = 0;
    while (sql.StepRow())
        count += sql.ColumnInt(2) != kDelayStepType ? 1 : 0;
    return count;
}

}
