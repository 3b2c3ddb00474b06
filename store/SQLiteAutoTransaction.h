#pragma once

namespace Tessera {

class SQLiteDB;

// A scoped transaction: the constructor begins it on an open connection, the
// destructor ends it unless Commit already did. Begin after construction is a
// no-op, so callers may call it without issuing a second BEGIN.
class SQLiteAutoTransaction {
public:
    explicit SQLiteAutoTransaction(SQLiteDB* database);
    virtual ~SQLiteAutoTransaction();
    SQLiteAutoTransaction(SQLiteAutoTransaction const&) = delete;
    SQLiteAutoTransaction& operator=(SQLiteAutoTransaction const&) = delete;

    bool Begin();
    bool Commit();

private:
    SQLiteDB* m_database { nullptr };
    bool m_active { false };
};

}
