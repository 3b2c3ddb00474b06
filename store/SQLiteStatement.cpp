#include "store/SQLiteStatement.h"

#include <sqlite3.h>

namespace Tessera {

SQLiteStatement::~SQLiteStatement()
{
    Finalize();
}

void SQLiteStatement::Finalize()
{
    // sqlite3_finalize releases the statement whatever it returns (a non-OK
    // result only repeats the last step's error), so the handle is always dropped.
    if (m_handle)
        sqlite3_finalize(m_handle);
    m_handle = nullptr;
}

int SQLiteStatement::BindInt(int index, int value)
{
    return m_handle ? sqlite3_bind_int(m_handle, index, value) : SQLITE_MISUSE;
}

int SQLiteStatement::BindText(int index, char const* utf8, int byteLength)
{
    return m_handle ? sqlite3_bind_text(m_handle, index, utf8, byteLength, SQLITE_STATIC) : SQLITE_MISUSE;
}

int SQLiteStatement::Step()
{
    return m_handle ? sqlite3_step(m_handle) : SQLITE_MISUSE;
}

int SQLiteStatement::ColumnInt(int column) const
{
    return m_handle ? sqlite3_column_int(m_handle, column) : 0;
}

char const* SQLiteStatement::ColumnText(int column) const
{
    return m_handle ? reinterpret_cast<char const*>(sqlite3_column_text(m_handle, column)) : nullptr;
}

}
