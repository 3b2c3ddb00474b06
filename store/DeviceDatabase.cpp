#include "store/DeviceDatabase.h"

#include "store/Schema.h"
#include "platform/base/PathText.h"

#include <filesystem>
#include <system_error>

namespace Tessera {

namespace fs = std::filesystem;

DeviceDatabase::~DeviceDatabase()
{
    CloseDatabase();
}

std::string DeviceDatabase::DatabaseFilePath(std::wstring const& dataFolder, std::wstring const& modelName)
{
    std::string path = ToNativePath(dataFolder);
    if (!path.empty() && path.back() != '/')
        path += '/';
    return path + "db/" + ToNativePath(modelName) + "_data_v1.db";
}

bool DeviceDatabase::OpenDatabase(std::wstring const& dataFolder, std::wstring const& modelName)
{
    Lock lock(m_lock);
    std::string path = DatabaseFilePath(dataFolder, modelName);
    // A connection to another model's file must not answer for this one.
    if (m_db.IsOpen() && path != m_path)
        m_db.Close();
    m_path = path;
    std::error_code error;
    bool result;
    if (fs::exists(fs::path(m_path), error)) {
        result = m_db.IsOpen() || m_db.Open(m_path.c_str(), m_key.c_str(), kOpenExisting);
    } else {
        result = CreateDatabase();
    }
    m_opened = result;
    return result;
}

bool DeviceDatabase::CreateDatabase()
{
    Lock lock(m_lock);
    if (m_db.IsOpen())
        return true;
    std::error_code error;
    fs::create_directories(fs::path(m_path).parent_path(), error);
    if (!m_db.Open(m_path.c_str(), m_key.c_str(), kOpenCreate))
        return false;
    bool all = true;
    for (char const* statement : kSchemaStatements)
        all = (m_db.Exec(statement) == kSqliteOk) && all;
    return all;
}

bool DeviceDatabase::DeleteDatabaseFile(std::wstring const& dataFolder, std::wstring const& modelName)
{
    Lock lock(m_lock);
    CloseDatabase();
    if (m_db.IsOpen())
        return false;
    std::string path = DatabaseFilePath(dataFolder, modelName);
    std::error_code error;
    bool removed = fs::remove(fs::path(path), error) && !error;
    // A WAL file left beside a new database of the same name would be
    // replayed into it; the side files go with the database.
    fs::remove(fs::path(path + "-wal"), error);
    fs::remove(fs::path(path + "-shm"), error);
    return removed;
}

void DeviceDatabase::CloseDatabase()
{
    Lock lock(m_lock);
    m_db.Close();
    m_opened = false;
}

bool DeviceDatabase::IsOpened() const
{
    Lock lock(m_lock);
    return m_opened;
}

std::string DeviceDatabase::DatabasePath() const
{
    Lock lock(m_lock);
    return m_path;
}

int DeviceDatabase::InsertResult(bool succeeded, int failure)
{
    return succeeded ? static_cast<int>(m_db.LastInsertRowId()) : failure;
}

DeviceDatabase& GetDeviceDatabase()
{
    static DeviceDatabase database;
    return database;
}

}
