#pragma once

#include <cstdint>

struct sqlite3;

namespace Tessera {

class SQLiteStatement;

// Open flags the program uses: an existing file, or create it.
constexpr int kOpenExisting = 65538; // SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX
constexpr int kOpenCreate = 65542;   // ... | SQLITE_OPEN_CREATE

// SQLite result codes the callers look at.
constexpr int kSqliteOk = 0;
constexpr int kSqliteMisuse = 21;
constexpr int kSqliteRow = 100;
constexpr int kSqliteDone = 101;

// One SQLite connection. Thin: forwards to SQLite, returns its result codes,
// never throws. Not thread-safe by itself; DeviceDatabase serialises callers.
class SQLiteDB {
public:
    SQLiteDB() = default;
    virtual ~SQLiteDB();
    SQLiteDB(SQLiteDB const&) = delete;
    SQLiteDB& operator=(SQLiteDB const&) = delete;

    // Opens `path` (UTF-8). An open connection is interrupted and closed first.
    // Every connection runs in WAL mode with synchronous = NORMAL: a commit
    // survives a crash of the program, and a power loss never corrupts the
    // file. `key` is accepted for compatibility; only the empty key is
    // supported, because the files are plain SQLite files.
    bool Open(char const* path, char const* key, int flags);
    // True when no connection remains. A close refused by SQLite (a statement
    // still open) keeps the handle, and the next Open closes again.
    bool Close();
    bool IsOpen() const { return m_handle != nullptr; }

    // Finalises what `statement` held, then prepares `sql`. A negative
    // length means the whole text with its terminator. 21 without a
    // connection or without SQL.
    int Prepare(SQLiteStatement& statement, char const* sql, int length = -1);
    // sqlite3_exec; callback and argument may be null. 21 without a connection.
    int Exec(char const* sql, int (*callback)(void*, int, char**, char**) = nullptr, void* argument = nullptr);
    // -1 without a connection.
    std::int64_t LastInsertRowId() const;

private:
    sqlite3* m_handle { nullptr };
};

}
