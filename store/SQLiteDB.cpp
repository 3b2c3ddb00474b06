#include "store/SQLiteDB.h"

#include "store/SQLiteStatement.h"

#include <sqlite3.h>

#include <cstring>

namespace Tessera {

namespace {

// Full durability of every commit would cost a disk flush per key edit; WAL
// with NORMAL keeps the file consistent on power loss and loses at most the
// last commits, never the file. The file stays readable by any SQLite 3.7+.
constexpr char const* kConnectionPragmas = "PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL; ";

}

SQLiteDB::~SQLiteDB()
{
    if (m_handle) {
        sqlite3_interrupt(m_handle);
        Close();
    }
}

bool SQLiteDB::Open(char const* path, char const* key, int flags)
{
    if (m_handle) {
        sqlite3_interrupt(m_handle);
        Close();
    }
    if (!path)
        return false;
    if (sqlite3_open_v2(path, &m_handle, flags, nullptr) != SQLITE_OK) {
        // sqlite3_open_v2 hands out a handle even on failure; it must be closed.
        if (!Close())
            m_handle = nullptr;
        return false;
    }
    Exec(kConnectionPragmas);
    // Encryption is not part of this build; a key other than the empty one
    // cannot be honoured, and pretending otherwise would write plain data
    // the caller believes protected.
    if (key && *key) {
        Close();
        return false;
    }
    return true;
}

bool SQLiteDB::Close()
{
    if (m_handle && sqlite3_close(m_handle) == SQLITE_OK)
        m_handle = nullptr;
    return m_handle == nullptr;
}

int SQLiteDB::Prepare(SQLiteStatement& statement, char const* sql, int length)
{
    statement.Finalize();
    if (!m_handle || !sql)
        return SQLITE_MISUSE;
    if (length < 0)
        length = static_cast<int>(std::strlen(sql)) + 1;
    return sqlite3_prepare_v2(m_handle, sql, length, &statement.m_handle, nullptr);
}

int SQLiteDB::Exec(char const* sql, int (*callback)(void*, int, char**, char**), void* argument)
{
    if (!m_handle || !sql)
        return SQLITE_MISUSE;
    return sqlite3_exec(m_handle, sql, callback, argument, nullptr);
}

std::int64_t SQLiteDB::LastInsertRowId() const
{
    return m_handle ? sqlite3_last_insert_rowid(m_handle) : -1;
}

}
