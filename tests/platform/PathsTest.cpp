#include "platform/base/AtomicFile.h"
#include "platform/base/PathText.h"
#include "platform/Paths.h"

#include <test_support/ScopedEnv.h>
#include <test_support/TempDir.h>

#include <gtest/gtest.h>

#include <climits>
#include <sys/stat.h>
#include <unistd.h>

using namespace Tessera;
using TestSupport::ScopedEnv;
using TestSupport::TempDir;

TEST(PathText, EveryByteSequenceSurvivesTheRoundTrip)
{
    std::string const names[] = { "plain", "\xE4\xB8\xAD\xE6\x96\x87", "bad\xFF\xFEname", "\xC3", "\xED\xA0\x80" };
    for (auto const& name : names)
        EXPECT_EQ(ToNativePath(FromNativePath(name)), name);
    EXPECT_EQ(FromNativePath("\xE4\xB8\xAD"), L"\x4E2D");
}

TEST(AppFolder, BothFormsOfTheExecutablesFolder)
{
    struct Case {
        wchar_t const* executable;
        wchar_t const* with;
        wchar_t const* without;
    };
    Case const cases[] = {
        { L"/opt/tessera/tessera", L"/opt/tessera/", L"/opt/tessera" },
        { L"/tessera", L"/", L"/" },
        { L"/a b/\x4E2D/tessera", L"/a b/\x4E2D/", L"/a b/\x4E2D" },
    };
    for (auto const& c : cases) {
        EXPECT_EQ(AppFolderFromExecutable(c.executable, true), c.with);
        EXPECT_EQ(AppFolderFromExecutable(c.executable, false), c.without);
    }
}

TEST(AppFolder, IsTheFolderOfThisTestExecutable)
{
    char buffer[PATH_MAX] {};
    ASSERT_GT(readlink("/proc/self/exe", buffer, sizeof buffer - 1), 0);
    auto folder = std::filesystem::path(buffer).parent_path().wstring();
    EXPECT_EQ(GetAppFolder(false), folder);
    EXPECT_EQ(GetAppFolder(true), folder + L"/");
    EXPECT_EQ(GetAppFolder(), folder + L"/");
}

TEST(DataFolder, FollowsXdgDataHomeWithTrailingSeparator)
{
    {
        ScopedEnv data("XDG_DATA_HOME", "/data/share");
        EXPECT_EQ(GetDataFolder(L"Tessera"), L"/data/share/Tessera Files/");
    }
    ScopedEnv home("HOME", "/home/someone");
    for (auto value : { std::optional<std::string>(), std::optional<std::string>(""), std::optional<std::string>("rel") }) {
        ScopedEnv data("XDG_DATA_HOME", value);
        EXPECT_EQ(GetDataFolder(L"Other"), L"/home/someone/.local/share/Other Files/");
    }
    ScopedEnv config("XDG_CONFIG_HOME", "/cfg/");
    EXPECT_EQ(GetConfigFolder(L"Tessera"), L"/cfg/Tessera/");
}

TEST(CreateDirectoryPath, CreatesEveryMissingLevel)
{
    TempDir dir;
    auto deep = dir / "a" / "b b" / "c";
    EXPECT_TRUE(CreateDirectoryPath(deep.wstring() + L"/"));
    EXPECT_TRUE(std::filesystem::is_directory(deep));
    EXPECT_TRUE(CreateDirectoryPath(deep.wstring())); // already there
    struct stat info {};
    ASSERT_EQ(stat(deep.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
}

TEST(CreateDirectoryPath, FailsWhenAFileIsInTheWay)
{
    TempDir dir;
    dir.write("file", "x");
    EXPECT_FALSE(CreateDirectoryPath((dir / "file").wstring()));
    EXPECT_FALSE(CreateDirectoryPath((dir / "file" / "below").wstring()));
    EXPECT_FALSE(CreateDirectoryPath(L""));
}

TEST(AtomicFile, ReplacesContentsAndLeavesNoTemporaryFiles)
{
    TempDir dir;
    auto path = dir.write("f", "old old old");
    ASSERT_TRUE(WriteFileAtomically(path.string(), "new"));
    EXPECT_EQ(TestSupport::read_file(path), "new");
    EXPECT_FALSE(WriteFileAtomically((dir / "missing" / "f").string(), "x"));
    int entries = 0;
    for ([[maybe_unused]] auto const& entry : std::filesystem::directory_iterator(dir.path()))
        ++entries;
    EXPECT_EQ(entries, 1);
}
