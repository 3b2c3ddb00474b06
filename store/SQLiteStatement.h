#pragma once

struct sqlite3_stmt;

namespace Tessera {

// A prepared statement, finalised by its destructor. Always a local object of
// the operation that uses it. Parameter indexes are 1-based, columns 0-based.
class SQLiteStatement {
public:
    SQLiteStatement() = default;
    virtual ~SQLiteStatement();
    SQLiteStatement(SQLiteStatement const&) = delete;
    SQLiteStatement& operator=(SQLiteStatement const&) = delete;

    bool IsPrepared() const { return m_handle != nullptr; }

    // Each returns 21 when nothing is prepared.
    int BindInt(int index, int value);
    // The text is bound without a copy: it must outlive the last Step.
    int BindText(int index, char const* utf8, int byteLength);
    int Step();

    // 0 / null when nothing is prepared.
    int ColumnInt(int column) const;
    char const* ColumnText(int column) const;

    // Finalises the statement; the handle is cleared when SQLite accepts it.
    void Finalize();

private:
    friend class SQLiteDB;
    sqlite3_stmt* m_handle { nullptr };
};

}
