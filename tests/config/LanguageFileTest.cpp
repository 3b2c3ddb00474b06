#include "config/LanguageFile.h"
#include "config/LanguageIni.h"

#include <test_support/TempDir.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

using namespace Tessera;

namespace {

class FixedSource : public LanguageSource {
public:
    explicit FixedSource(std::wstring folder) : m_folder(std::move(folder)) { }
    std::wstring ProgramFolder() const override { return m_folder; }
    int LanguageId() const override { return language; }
    int language { 1033 };

private:
    std::wstring m_folder;
};

std::string Utf16Le(std::u16string const& text)
{
    std::string bytes = "\xFF\xFE";
    for (char16_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}

}

TEST(LanguageIni, IniRulesOfTheLanguageFiles)
{
    auto ini = LanguageIni::Parse("; comment\r\n[Other]\r\n65=wrong\r\n[kb.dialog]\r\n 65 = Profile \r\n"
                                  "66=\"  quoted  \"\r\n65=second\r\nnoequals\r\n67=\r\n[KB.DIALOG]\r\n68=later section\r\n");
    EXPECT_EQ(ini.Find(L"KB.DIALOG", L"65"), L"Profile");
    EXPECT_EQ(ini.Find(L"KB.DIALOG", L"66"), L"  quoted  ");
    EXPECT_EQ(ini.Find(L"KB.DIALOG", L"67"), L"");
    EXPECT_EQ(ini.Find(L"KB.DIALOG", L"68"), std::nullopt);
    EXPECT_EQ(ini.Find(L"KB.DIALOG", L"69"), std::nullopt);
    EXPECT_EQ(ini.Find(L"Missing", L"65"), std::nullopt);
}

TEST(LanguageIni, Utf16WithMarkAndUtf8AreBothRead)
{
    auto utf16 = LanguageIni::Parse(Utf16Le(u"[KB.DIALOG]\r\n65=\u914d\u7f6e\r\n66=\U0001F600\r\n"));
    EXPECT_EQ(utf16.Find(L"KB.DIALOG", L"65"), L"\u914d\u7f6e");
    EXPECT_EQ(utf16.Find(L"KB.DIALOG", L"66"), L"\U0001F600");
    auto utf8 = LanguageIni::Parse("\xEF\xBB\xBF[KB.DIALOG]\n65=\xE9\x85\x8D\xE7\xBD\xAE\n");
    EXPECT_EQ(utf8.Find(L"KB.DIALOG", L"65"), L"\u914d\u7f6e");
    auto broken = LanguageIni::Parse("[KB.DIALOG]\n65=a\xFF" "b\n");
    EXPECT_EQ(broken.Find(L"KB.DIALOG", L"65"), L"a\uFFFDb");
}

TEST(GetLangText, ReadsTheFileOfTheCurrentLanguageAtEveryCall)
{
    TestSupport::TempDir dir;
    dir.write("language/1033.lan", "[KB.DIALOG]\n65=Profile\n");
    dir.write("language/2052.lan", Utf16Le(u"[KB.DIALOG]\r\n65=\u914d\u7f6e\r\n"));
    FixedSource source(dir.path().wstring());
    EXPECT_EQ(GetLangText(source, kDialogSection, 65), L"Profile");
    source.language = 2052;
    EXPECT_EQ(GetLangText(source, kDialogSection, 65), L"\u914d\u7f6e");
    source.language = 1031;
    EXPECT_EQ(GetLangText(source, kDialogSection, 65), L"");
    EXPECT_EQ(GetLangText(source, L"OTHER", 65), L"");
}

TEST(GetLangText, AChangedFileIsReadAgain)
{
    TestSupport::TempDir dir;
    dir.write("language/1033.lan", "[KB.DIALOG]\n65=Profile\n");
    FixedSource source(dir.path().wstring());
    EXPECT_EQ(GetLangText(source, kDialogSection, 65), L"Profile");
    dir.write("language/1033.lan", "[KB.DIALOG]\n65=Setup, longer\n");
    EXPECT_EQ(GetLangText(source, kDialogSection, 65), L"Setup, longer");
    std::filesystem::remove(dir / "language/1033.lan");
    EXPECT_EQ(GetLangText(source, kDialogSection, 65), L"");
}

TEST(GetLangText, TextsAreCutAt259Characters)
{
    TestSupport::TempDir dir;
    dir.write("language/1033.lan", "[KB.DIALOG]\n1=" + std::string(300, 'x') + "\n2=" + std::string(259, 'y') + "\n");
    FixedSource source(dir.path().wstring());
    EXPECT_EQ(GetLangText(source, kDialogSection, 1), std::wstring(259, L'x'));
    EXPECT_EQ(GetLangText(source, kDialogSection, 2), std::wstring(259, L'y'));
}

TEST(GetLangText, ProcessWideSourceIsUsedByTheShortForm)
{
    TestSupport::TempDir dir;
    dir.write("language/1033.lan", "[KB.DIALOG]\n101=Music\n");
    FixedSource source(dir.path().wstring());
    EXPECT_EQ(GetLangText(kDialogSection, 101), L"");
    SetLanguageSource(&source);
    EXPECT_EQ(GetLangText(kDialogSection, 101), L"Music");
    SetLanguageSource(nullptr);
}

TEST(LanguageFilePath, LanguageFolderUnderTheProgramFolder)
{
    EXPECT_EQ(LanguageFilePath(L"/opt/tessera", 2052), L"/opt/tessera/language/2052.lan");
    EXPECT_EQ(LanguageFilePath(L"/opt/tessera/", 1033), L"/opt/tessera/language/1033.lan");
}
