#include "StoreFixture.h"

#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

using namespace Tessera;

// A child process writes macros one by one and reports each committed id
// through a pipe; it is killed without warning in the middle of the stream.
// The file must stay sound and keep every row whose commit was reported.
TEST(CrashSafety, KillDuringWritesKeepsEveryCommittedRow)
{
    TestSupport::TempDir dir;
    {
        DeviceDatabase setup;
        ASSERT_TRUE(setup.OpenDatabase(dir.path().wstring(), L"M"));
    }
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(fds[0]);
        DeviceDatabase db;
        if (!db.OpenDatabase(dir.path().wstring(), L"M"))
            _exit(2);
        for (int i = 0;; ++i) {
            int id = db.AddMacro(L"crash " + std::to_wstring(i));
            if (write(fds[1], &id, sizeof id) != sizeof id)
                _exit(3);
        }
    }
    close(fds[1]);
    std::vector<int> committed;
    int id = 0;
    while (committed.size() < 300 && read(fds[0], &id, sizeof id) == sizeof id)
        committed.push_back(id);
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    // Whatever the child reported after the last read is committed too.
    while (read(fds[0], &id, sizeof id) == sizeof id)
        committed.push_back(id);
    close(fds[0]);
    ASSERT_GE(committed.size(), 300u);

    DeviceDatabase db;
    ASSERT_TRUE(db.OpenDatabase(dir.path().wstring(), L"M"));
    db.CloseDatabase();
    std::string path = DeviceDatabase::DatabaseFilePath(dir.path().wstring(), L"M");
    EXPECT_EQ(QueryFile(path, "PRAGMA integrity_check"), std::vector<std::string> { "ok" });
    auto count = QueryFile(path, "SELECT count(*) FROM t_macro_data WHERE macro_id <= " + std::to_string(committed.back()));
    EXPECT_EQ(count, std::vector<std::string> { std::to_string(committed.size()) });
    for (size_t i = 0; i < committed.size(); ++i)
        ASSERT_EQ(committed[i], static_cast<int>(i) + 1);
}
