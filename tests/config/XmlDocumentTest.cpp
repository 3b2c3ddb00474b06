#include "config/XmlDocument.h"

#include <test_support/TempDir.h>

#include <gtest/gtest.h>

#include <string>

using Tessera::XmlDocument;
using TestSupport::TempDir;

namespace {

std::wstring Wide(std::filesystem::path const& path) { return path.wstring(); }

// A description-like tree with siblings of the same name at several levels.
constexpr char kTree[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
                         "<config>\r\n"
                         "  <software name=\"first\"/>\r\n"
                         "  <group id=\"g1\">\r\n"
                         "    <item id=\"1\"/>\r\n"
                         "    <other id=\"x\"/>\r\n"
                         "    <item id=\"2\"><leaf id=\"l1\"/><leaf id=\"l2\"/></item>\r\n"
                         "    <item id=\"3\"/>\r\n"
                         "  </group>\r\n"
                         "  <group id=\"g2\"><item id=\"4\"/></group>\r\n"
                         "  <software name=\"second\"/>\r\n"
                         "</config>\r\n";

class XmlCursor : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_xml.LoadFile(Wide(m_dir.write("tree.xml", kTree)))); }

    TempDir m_dir;
    XmlDocument m_xml;
};

}

TEST_F(XmlCursor, RepeatedFindElementWalksSiblingsInOrderAndSkipsOtherNames)
{
    ASSERT_TRUE(m_xml.FindElement(L"config"));
    ASSERT_TRUE(m_xml.IntoElement());
    ASSERT_TRUE(m_xml.FindElement(L"group"));
    ASSERT_TRUE(m_xml.IntoElement());
    std::wstring ids;
    while (m_xml.FindElement(L"item"))
        ids += m_xml.GetAttribute(L"id");
    EXPECT_EQ(ids, L"123");
}

TEST_F(XmlCursor, FailedFindLeavesTheCursorWhereItWas)
{
    ASSERT_TRUE(m_xml.FindElement(L"config"));
    ASSERT_TRUE(m_xml.IntoElement());
    ASSERT_TRUE(m_xml.FindElement(L"group"));
    EXPECT_FALSE(m_xml.FindElement(L"missing"));
    EXPECT_EQ(m_xml.GetAttribute(L"id"), L"g1");
    // The search continues after the still-selected element.
    ASSERT_TRUE(m_xml.FindElement(L"group"));
    EXPECT_EQ(m_xml.GetAttribute(L"id"), L"g2");
    EXPECT_FALSE(m_xml.FindElement(L"group"));
    EXPECT_EQ(m_xml.GetAttribute(L"id"), L"g2");
}

TEST_F(XmlCursor, OutOfElementSelectsTheParentSoTheSearchContinuesAfterIt)
{
    ASSERT_TRUE(m_xml.FindElement(L"config"));
    ASSERT_TRUE(m_xml.IntoElement());
    ASSERT_TRUE(m_xml.FindElement(L"software"));
    EXPECT_EQ(m_xml.GetAttribute(L"name"), L"first");
    ASSERT_TRUE(m_xml.FindElement(L"group"));
    ASSERT_TRUE(m_xml.IntoElement());
    ASSERT_TRUE(m_xml.FindElement(L"item"));
    ASSERT_TRUE(m_xml.FindElement(L"item"));
    ASSERT_TRUE(m_xml.IntoElement());
    ASSERT_TRUE(m_xml.FindElement(L"leaf"));
    ASSERT_TRUE(m_xml.FindElement(L"leaf"));
    EXPECT_EQ(m_xml.GetAttribute(L"id"), L"l2");
    ASSERT_TRUE(m_xml.OutOfElement()); // back at item 2
    EXPECT_EQ(m_xml.GetAttribute(L"id"), L"2");
    ASSERT_TRUE(m_xml.FindElement(L"item"));
    EXPECT_EQ(m_xml.GetAttribute(L"id"), L"3");
    ASSERT_TRUE(m_xml.OutOfElement()); // back at group g1
    EXPECT_EQ(m_xml.GetAttribute(L"id"), L"g1");
    ASSERT_TRUE(m_xml.FindElement(L"software"));
    EXPECT_EQ(m_xml.GetAttribute(L"name"), L"second");
    ASSERT_TRUE(m_xml.OutOfElement()); // back at config, document level
    EXPECT_EQ(m_xml.GetAttribute(L"name"), L"");
    EXPECT_FALSE(m_xml.OutOfElement());
    EXPECT_FALSE(m_xml.FindElement(L"config")); // only one root
}

TEST_F(XmlCursor, IntoElementNeedsASelectedElement)
{
    EXPECT_FALSE(m_xml.IntoElement());
    EXPECT_FALSE(m_xml.OutOfElement());
    ASSERT_TRUE(m_xml.FindElement(L"config"));
    ASSERT_TRUE(m_xml.IntoElement());
    EXPECT_FALSE(m_xml.IntoElement()); // nothing selected inside config yet
    EXPECT_EQ(m_xml.GetAttribute(L"name"), L"");
    ASSERT_TRUE(m_xml.FindElement(L"software")); // the first child is still found
    EXPECT_EQ(m_xml.GetAttribute(L"name"), L"first");
}

TEST_F(XmlCursor, IntoAnEmptyElementFindsNothing)
{
    ASSERT_TRUE(m_xml.FindElement(L"config"));
    ASSERT_TRUE(m_xml.IntoElement());
    ASSERT_TRUE(m_xml.FindElement(L"software"));
    ASSERT_TRUE(m_xml.IntoElement());
    EXPECT_FALSE(m_xml.FindElement(L"software"));
    ASSERT_TRUE(m_xml.OutOfElement());
    EXPECT_EQ(m_xml.GetAttribute(L"name"), L"first");
}

TEST(XmlAttributes, ReferencesAreDecodedAndMissingAttributesAreEmpty)
{
    XmlDocument xml;
    ASSERT_TRUE(xml.SetDocument(L"<a v=\"&lt;&amp;&gt;&apos;&quot;\" n=\"&#65;&#x42;&#x4E2D;\" e=\"\"/>"));
    ASSERT_TRUE(xml.FindElement(L"a"));
    EXPECT_EQ(xml.GetAttribute(L"v"), L"<&>'\"");
    EXPECT_EQ(xml.GetAttribute(L"n"), L"AB\x4E2D");
    EXPECT_EQ(xml.GetAttribute(L"e"), L"");
    EXPECT_EQ(xml.GetAttribute(L"missing"), L"");
}

TEST(XmlWriting, ExportSequenceGivesExactText)
{
    XmlDocument xml;
    xml.SetDocument(L"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n");
    ASSERT_TRUE(xml.AddElement(L"root"));
    ASSERT_TRUE(xml.SetAttribute(L"version", L"1"));
    ASSERT_TRUE(xml.IntoElement());
    ASSERT_TRUE(xml.AddElement(L"item"));
    ASSERT_TRUE(xml.SetAttribute(L"id", L"1"));
    ASSERT_TRUE(xml.SetAttribute(L"name", L"a<b & \"c\" 'd' >"));
    ASSERT_TRUE(xml.AddElement(L"item"));
    ASSERT_TRUE(xml.SetAttribute(L"id", L"2"));
    ASSERT_TRUE(xml.IntoElement());
    ASSERT_TRUE(xml.AddElement(L"step"));
    ASSERT_TRUE(xml.OutOfElement());
    ASSERT_TRUE(xml.AddElement(L"empty"));
    ASSERT_TRUE(xml.OutOfElement());

    TempDir dir;
    auto path = dir / "out.xml";
    ASSERT_TRUE(xml.SaveFile(Wide(path)));
    EXPECT_EQ(TestSupport::read_file(path),
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
        "<root version=\"1\">\r\n"
        "<item id=\"1\" name=\"a&lt;b &amp; &quot;c&quot; &apos;d&apos; &gt;\"/>\r\n"
        "<item id=\"2\">\r\n"
        "<step/>\r\n"
        "</item>\r\n"
        "<empty/>\r\n"
        "</root>\r\n");
}

TEST(XmlWriting, AddElementInsertsAfterTheMainElementAndSetAttributeReplaces)
{
    XmlDocument xml;
    xml.SetDocument(L"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n");
    ASSERT_TRUE(xml.AddElement(L"r"));
    ASSERT_TRUE(xml.IntoElement());
    ASSERT_TRUE(xml.AddElement(L"a"));
    ASSERT_TRUE(xml.AddElement(L"c"));
    ASSERT_TRUE(xml.OutOfElement());
    ASSERT_TRUE(xml.IntoElement());
    ASSERT_TRUE(xml.FindElement(L"a"));
    ASSERT_TRUE(xml.AddElement(L"b")); // between a and c
    ASSERT_TRUE(xml.SetAttribute(L"k", L"old"));
    ASSERT_TRUE(xml.SetAttribute(L"k", L"new"));
    EXPECT_EQ(xml.GetAttribute(L"k"), L"new");
    EXPECT_EQ(xml.GetDocument(),
        L"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<r>\r\n<a/>\r\n<b k=\"new\"/>\r\n<c/>\r\n</r>\r\n");
}

TEST(XmlWriting, RefusesBadNamesASecondRootAndAttributesWithoutElement)
{
    XmlDocument xml;
    EXPECT_FALSE(xml.SetAttribute(L"a", L"1"));
    EXPECT_FALSE(xml.AddElement(L"1bad"));
    EXPECT_FALSE(xml.AddElement(L"a b"));
    EXPECT_FALSE(xml.AddElement(L""));
    ASSERT_TRUE(xml.AddElement(L"root"));
    EXPECT_FALSE(xml.SetAttribute(L"x=\"", L"1"));
    EXPECT_FALSE(xml.AddElement(L"second"));
    EXPECT_EQ(xml.GetDocument(), L"<root/>\r\n");
}

TEST(XmlWriting, ControlCharactersRoundTripAndUnwritableOnesAreReplaced)
{
    XmlDocument xml;
    ASSERT_TRUE(xml.AddElement(L"a"));
    ASSERT_TRUE(xml.SetAttribute(L"v", std::wstring(L"t\tn\nr\r") + wchar_t(1) + L"\x4E2D"));
    EXPECT_EQ(xml.GetDocument(), L"<a v=\"t&#9;n&#10;r&#13;\xFFFD\x4E2D\"/>\r\n");

    TempDir dir;
    auto path = Wide(dir / "c.xml");
    ASSERT_TRUE(xml.SaveFile(path));
    XmlDocument again;
    ASSERT_TRUE(again.LoadFile(path));
    ASSERT_TRUE(again.FindElement(L"a"));
    EXPECT_EQ(again.GetAttribute(L"v"), L"t\tn\nr\r\xFFFD\x4E2D");
}

TEST(XmlWriting, LoadedDocumentKeepsItsTextAndGainsNewElements)
{
    TempDir dir;
    auto path = dir.write("in.xml", "<?xml version=\"1.0\"?>\n<!-- note -->\n<r a='1'>\n  <x>t &amp; u</x>\n  <e/>\n</r>\n");
    XmlDocument xml;
    ASSERT_TRUE(xml.LoadFile(Wide(path)));
    ASSERT_TRUE(xml.FindElement(L"r"));
    ASSERT_TRUE(xml.IntoElement());
    ASSERT_TRUE(xml.FindElement(L"e"));
    ASSERT_TRUE(xml.IntoElement());
    ASSERT_TRUE(xml.AddElement(L"n"));
    EXPECT_EQ(xml.GetDocument(),
        L"<?xml version=\"1.0\"?>\n<!-- note -->\n<r a=\"1\">\n  <x>t &amp; u</x>\n  <e>\r\n<n/>\r\n</e>\n</r>\n");
}

TEST(XmlWriting, SaveFileUsesTheDeclaredEncodingWithoutByteOrderMark)
{
    TempDir dir;
    XmlDocument xml;
    xml.SetDocument(L"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n");
    ASSERT_TRUE(xml.AddElement(L"a"));
    ASSERT_TRUE(xml.SetAttribute(L"v", L"\x00E9"));
    auto path = dir / "u16.xml";
    ASSERT_TRUE(xml.SaveFile(Wide(path)));
    std::string expected;
    for (char c : std::string("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n<a v=\"")) {
        expected.push_back(c);
        expected.push_back('\0');
    }
    expected += std::string("\xE9\0\"\0/\0>\0\r\0\n\0", 12);
    EXPECT_EQ(TestSupport::read_file(path), expected);

    XmlDocument back;
    ASSERT_TRUE(back.LoadFile(Wide(path)));
    ASSERT_TRUE(back.FindElement(L"a"));
    EXPECT_EQ(back.GetAttribute(L"v"), L"\x00E9");
}

TEST(XmlWriting, NoDeclarationMeansUtf8AndSaveReplacesTheFile)
{
    TempDir dir;
    auto path = dir.write("x.xml", "old contents that are much longer than the new ones");
    XmlDocument xml;
    ASSERT_TRUE(xml.AddElement(L"a"));
    ASSERT_TRUE(xml.SetAttribute(L"v", L"\x4E2D"));
    ASSERT_TRUE(xml.SaveFile(Wide(path)));
    EXPECT_EQ(TestSupport::read_file(path), "<a v=\"\xE4\xB8\xAD\"/>\r\n");
    EXPECT_FALSE(xml.SaveFile(Wide(dir / "no-such-folder" / "x.xml")));
}

namespace {

struct EncodingCase {
    char const* name;
    std::string bytes;
    char const* encoding;
};

std::string Utf16(std::string const& ascii, bool bigEndian, std::string const& tail = {})
{
    std::string out;
    for (char c : ascii) {
        out.push_back(bigEndian ? '\0' : c);
        out.push_back(bigEndian ? c : '\0');
    }
    return out + tail;
}

}

class XmlEncodings : public testing::TestWithParam<EncodingCase> { };

// Every case holds <a v="é中"/> (or é alone where the encoding has no 中).
TEST_P(XmlEncodings, EveryAcceptedEncodingReadsTheSameAttribute)
{
    TempDir dir;
    XmlDocument xml;
    ASSERT_TRUE(xml.LoadFile(Wide(dir.write("e.xml", GetParam().bytes)))) << xml.GetError();
    EXPECT_EQ(xml.GetEncoding(), GetParam().encoding);
    ASSERT_TRUE(xml.FindElement(L"a"));
    std::wstring value = xml.GetAttribute(L"v");
    ASSERT_FALSE(value.empty());
    EXPECT_EQ(value[0], L'\x00E9');
    if (value.size() > 1) {
        EXPECT_EQ(value, L"\x00E9\x4E2D");
    }
}

INSTANTIATE_TEST_SUITE_P(All, XmlEncodings,
    testing::Values(
        EncodingCase { "Utf8Plain", "<a v=\"\xC3\xA9\xE4\xB8\xAD\"/>", "UTF-8" },
        EncodingCase { "Utf8Bom", "\xEF\xBB\xBF<a v=\"\xC3\xA9\xE4\xB8\xAD\"/>", "UTF-8" },
        EncodingCase { "Utf8Declared", "<?xml version=\"1.0\" encoding=\"utf-8\"?><a v=\"\xC3\xA9\xE4\xB8\xAD\"/>", "UTF-8" },
        EncodingCase { "Utf16LEBom", "\xFF\xFE" + Utf16("<a v=\"", false, std::string("\xE9\0\x2D\x4E", 4)) + Utf16("\"/>", false), "UTF-16LE" },
        EncodingCase { "Utf16BEBom", "\xFE\xFF" + Utf16("<a v=\"", true, std::string("\0\xE9\x4E\x2D", 4)) + Utf16("\"/>", true), "UTF-16BE" },
        EncodingCase { "Utf16LEDeclaredNoBom",
            Utf16("<?xml version=\"1.0\" encoding=\"UTF-16\"?><a v=\"", false, std::string("\xE9\0\x2D\x4E", 4)) + Utf16("\"/>", false),
            "UTF-16LE" },
        EncodingCase { "Latin1Declared", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a v=\"\xE9\"/>", "ISO-8859-1" },
        EncodingCase { "Windows1252Declared", "<?xml version='1.0' encoding='windows-1252'?><a v=\"\xE9\"/>", "WINDOWS-1252" },
        EncodingCase { "GbkDeclared", "<?xml version=\"1.0\" encoding=\"GBK\"?><a v=\"\xA8\xA6\xD6\xD0\"/>", "GBK" },
        EncodingCase { "UndeclaredEightBitIsWindows1252", " <a v=\"\xE9\"/>", "WINDOWS-1252" },
        EncodingCase { "UndeclaredValidUtf8AfterBlank", "\n<a v=\"\xC3\xA9\xE4\xB8\xAD\"/>", "UTF-8" }),
    [](auto const& info) { return std::string(info.param.name); });

namespace {

std::string Repeat(std::string const& text, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

struct MalformedCase {
    char const* name;
    std::string text;
    char const* error;
};

}

class XmlMalformed : public testing::TestWithParam<MalformedCase> { };

TEST_P(XmlMalformed, IsRefusedWithItsReasonAndLeavesAnEmptyDocument)
{
    TempDir dir;
    XmlDocument xml;
    EXPECT_FALSE(xml.LoadFile(Wide(dir.write("m.xml", GetParam().text))));
    EXPECT_EQ(xml.GetError(), GetParam().error);
    EXPECT_FALSE(xml.FindElement(L"a"));
    EXPECT_EQ(xml.GetDocument(), L"");
}

INSTANTIATE_TEST_SUITE_P(All, XmlMalformed,
    testing::Values(
        MalformedCase { "Empty", "", "no_root_element" },
        MalformedCase { "DeclarationOnly", "<?xml version=\"1.0\"?>\r\n", "no_root_element" },
        MalformedCase { "SecondRoot", "<a/><b/>", "root_has_sibling" },
        MalformedCase { "LoneEndTagAfterRoot", "<a/></b>", "lone_end_tag" },
        MalformedCase { "LoneEndTagInside", "<a><b/></c></a>", "lone_end_tag" },
        MalformedCase { "UnendedStartTagAtEnd", "<a><b>", "unended_start_tag" },
        MalformedCase { "UnendedStartTagInside", "<a><b></a>", "unended_start_tag" },
        MalformedCase { "UndefinedEntity", "<a v=\"&bogus;\"/>", "undefined_entity" },
        MalformedCase { "DuplicateAttribute", "<a v=\"1\" v=\"2\"/>", "duplicate_attribute" },
        MalformedCase { "BrokenTag", "<a <b/></a>", "syntax_error" },
        MalformedCase { "InvalidUtf8", "<a v=\"\xC3\x28\"/>", "invalid_characters" },
        MalformedCase { "UnknownEncoding", "<?xml version=\"1.0\" encoding=\"x-no-such\"?><a/>", "unknown_encoding" },
        MalformedCase { "BillionLaughs",
            "<?xml version=\"1.0\"?><!DOCTYPE a [<!ENTITY l0 \"ha\"><!ENTITY l1 \"&l0;&l0;&l0;&l0;&l0;&l0;&l0;&l0;\">"
            "<!ENTITY l2 \"&l1;&l1;&l1;&l1;&l1;&l1;&l1;&l1;\"><!ENTITY l3 \"&l2;&l2;&l2;&l2;&l2;&l2;&l2;&l2;\">]>"
            "<a v=\"&l3;\"/>",
            "doctype_not_allowed" },
        MalformedCase { "ExternalEntity", "<!DOCTYPE a [<!ENTITY x SYSTEM \"/etc/passwd\">]><a>&x;</a>", "doctype_not_allowed" },
        MalformedCase { "DeepNesting", Repeat("<a>", 10000) + Repeat("</a>", 10000),
            "too_deep" }),
    [](auto const& info) { return std::string(info.param.name); });

TEST(XmlLimits, NestingUpToTheBoundLoads)
{
    std::string text = Repeat("<a>", XmlDocument::kMaxDepth) + Repeat("</a>", XmlDocument::kMaxDepth);
    TempDir dir;
    XmlDocument xml;
    EXPECT_TRUE(xml.LoadFile(Wide(dir.write("deep.xml", text)))) << xml.GetError();
    text = "<a>" + text + "</a>";
    EXPECT_FALSE(xml.LoadFile(Wide(dir.write("deeper.xml", text))));
    EXPECT_EQ(xml.GetError(), "too_deep");
}

TEST(XmlLimits, FilesAboveTheSizeBoundAreNotRead)
{
    TempDir dir;
    std::string text = "<a v=\"" + std::string(XmlDocument::kMaxFileBytes, 'x') + "\"/>";
    XmlDocument xml;
    EXPECT_FALSE(xml.LoadFile(Wide(dir.write("big.xml", text))));
    EXPECT_EQ(xml.GetError(), "too_large");
}

TEST(XmlLimits, MissingFileFailsAndLeavesAnEmptyDocument)
{
    TempDir dir;
    XmlDocument xml;
    ASSERT_TRUE(xml.SetDocument(L"<a/>"));
    EXPECT_FALSE(xml.LoadFile(Wide(dir / "none.xml")));
    EXPECT_EQ(xml.GetError(), "cannot_open");
    EXPECT_FALSE(xml.FindElement(L"a"));
}

TEST(XmlSetDocument, BareDeclarationIsKeptForANewDocumentButMalformedTextIsNot)
{
    XmlDocument xml;
    EXPECT_FALSE(xml.SetDocument(L"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"));
    EXPECT_EQ(xml.GetDocument(), L"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n");
    EXPECT_FALSE(xml.SetDocument(L"<a><b></a>"));
    EXPECT_EQ(xml.GetDocument(), L"");
    EXPECT_TRUE(xml.SetDocument(L"<a><b/></a>"));
    EXPECT_TRUE(xml.FindElement(L"a"));
}
