#include "StoreFixture.h"

#include <sqlite3.h>

#include <cstdio>
#include <fstream>

void StoreTest::SetUp()
{
    ASSERT_TRUE(m_db.OpenDatabase(folder(), L"KB301"));
}

std::vector<std::string> QueryFile(std::string const& path, std::string const& sql)
{
    std::vector<std::string> rows;
    sqlite3* handle = nullptr;
    if (sqlite3_open_v2(path.c_str(), &handle, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(handle);
        return rows;
    }
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(handle, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK) {
        while (sqlite3_step(statement) == SQLITE_ROW) {
            std::string row;
            for (int column = 0; column < sqlite3_column_count(statement); ++column) {
                if (column)
                    row += "|";
                auto text = sqlite3_column_text(statement, column);
                row += text ? reinterpret_cast<char const*>(text) : "";
            }
            rows.push_back(row);
        }
    }
    sqlite3_finalize(statement);
    sqlite3_close(handle);
    return rows;
}

bool RunSqliteTool(std::string const& path, std::string const& script)
{
    std::string scriptPath = path + ".sql";
    std::ofstream(scriptPath) << script;
    std::string command = "sqlite3 '" + path + "' < '" + scriptPath + "'";
    int status = std::system(command.c_str());
    std::remove(scriptPath.c_str());
    return status == 0;
}
