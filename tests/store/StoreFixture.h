#pragma once

#include "store/DeviceDatabase.h"

#include <test_support/TempDir.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A fresh data folder with the database of model "KB301" opened in it.
class StoreTest : public ::testing::Test {
protected:
    void SetUp() override;

    std::wstring folder() const { return m_dir.path().wstring(); }
    std::string dbPath() const { return (m_dir.path() / "db" / "KB301_data_v1.db").string(); }

    TestSupport::TempDir m_dir;
    Tessera::DeviceDatabase m_db;
};

// Runs SQL on a file through its own connection; returns the first column of
// every result row, joined by "|" per row.
std::vector<std::string> QueryFile(std::string const& path, std::string const& sql);
// Runs a script through the sqlite3 command-line program; true on success.
bool RunSqliteTool(std::string const& path, std::string const& script);
