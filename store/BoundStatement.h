#pragma once

#include "store/SQLiteStatement.h"

#include <deque>
#include <string>
#include <string_view>

namespace Tessera {

class SQLiteDB;

// The prepare-bind-step shape of every data operation: binds parameters by
// position in call order and keeps the UTF-8 form of every bound text alive
// until the statement is gone (texts are bound without a copy).
class BoundStatement {
public:
    BoundStatement(SQLiteDB& database, char const* sql);

    // Finalises the current statement and prepares the next one on the same
    // object, as multi-statement operations do. Bind positions restart at 1.
    void Reset(char const* sql);

    BoundStatement& Int(int value);
    BoundStatement& Text(std::wstring_view value);

    int Step() { return m_statement.Step(); }
    // A write succeeded when its step returned a row or finished.
    bool StepWrite();
    bool StepRow() { return Step() == 100; }

    int ColumnInt(int column) const { return m_statement.ColumnInt(column); }
    std::wstring ColumnText(int column) const;

private:
    SQLiteDB& m_database;
    SQLiteStatement m_statement;
    int m_nextIndex { 1 };
    std::deque<std::string> m_texts;
};

inline bool IsWriteSuccess(int result) { return result == 100 || result == 101; }

}
