#include "store/BoundStatement.h"

#include "store/SQLiteDB.h"
#include "platform/base/Utf8.h"

#include <cstring>

namespace Tessera {

BoundStatement::BoundStatement(SQLiteDB& database, char const* sql)
    : m_database(database)
{
    Reset(sql);
}

void BoundStatement::Reset(char const* sql)
{
    m_database.Prepare(m_statement, sql, -1);
    m_nextIndex = 1;
}

BoundStatement& BoundStatement::Int(int value)
{
    m_statement.BindInt(m_nextIndex++, value);
    return *this;
}

BoundStatement& BoundStatement::Text(std::wstring_view value)
{
    std::string const& utf8 = m_texts.emplace_back(WideToUtf8(value));
    m_statement.BindText(m_nextIndex++, utf8.c_str(), static_cast<int>(utf8.size()));
    return *this;
}

bool BoundStatement::StepWrite()
{
    return IsWriteSuccess(Step());
}

std::wstring BoundStatement::ColumnText(int column) const
{
    char const* text = m_statement.ColumnText(column);
    return text ? Utf8ToWideReplacing(std::string_view(text, std::strlen(text))) : std::wstring();
}

}
