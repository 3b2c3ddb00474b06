#include "store/SQLiteAutoTransaction.h"

#include "store/SQLiteDB.h"

namespace Tessera {

SQLiteAutoTransaction::SQLiteAutoTransaction(SQLiteDB* database)
    : m_database(database)
{
    if (!m_database)
        return;
    if (m_database->IsOpen())
        m_database->Exec("BEGIN");
    m_active = true;
}

SQLiteAutoTransaction::~SQLiteAutoTransaction()
{
    if (m_active && m_database && m_database->IsOpen())
        m_database->Exec("END");
    m_active = false;
}

bool SQLiteAutoTransaction::Begin()
{
    if (!m_database || m_active)
        return false;
    m_active = true;
    if (!m_database->IsOpen())
        return false;
    return m_database->Exec("BEGIN") == kSqliteOk;
}

bool SQLiteAutoTransaction::Commit()
{
    if (!m_database)
        return false;
    m_active = false;
    if (!m_database->IsOpen())
        return false;
    return m_database->Exec("END") == kSqliteOk;
}

}
