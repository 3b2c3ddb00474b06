#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace Tessera {

// One XML document in memory, read and written through a cursor. Every XML
// file of the program (config.xml, layout files, exported profiles and
// macros) goes through this class. Values live in attributes; element text is
// kept as it was read (so a loaded document saves its text, comments and
// spacing unchanged) but is never exposed.
//
// The cursor has a parent element (at first the document level) and a main
// element inside it (at first none):
//
//     XmlDocument xml;
//     if (xml.LoadFile(path) && xml.FindElement(L"config") && xml.IntoElement()) {
//         while (xml.FindElement(L"keyboard"))
//             use(xml.GetAttribute(L"name"));
//     }
//
// Writing a new document:
//
//     xml.SetDocument(L"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n");
//     xml.AddElement(L"root"); xml.IntoElement();
//     xml.AddElement(L"item"); xml.SetAttribute(L"id", L"1");
//     xml.OutOfElement(); xml.SaveFile(path);
//
// gives the declaration, "<root>\r\n<item id=\"1\"/>\r\n</root>\r\n".
//
// Hostile input is refused, not expanded: documents with a document type
// declaration (and so any entity declaration) fail to load, as do documents
// nested deeper than kMaxDepth or larger than kMaxFileBytes.
//
// Nothing throws. An object is used by one thread at a time.
class XmlDocument {
public:
    static constexpr size_t kMaxFileBytes = 16 * 1024 * 1024;
    static constexpr int kMaxDepth = 256;

    XmlDocument();
    ~XmlDocument();
    XmlDocument(XmlDocument const&) = delete;
    XmlDocument& operator=(XmlDocument const&) = delete;

    // Reads and parses a file; see DecodeXmlBytes for the accepted encodings.
    // False, with an empty document, when the file cannot be read or is not a
    // well-formed document with exactly one root element.
    bool LoadFile(std::wstring const& path);

    // Replaces the document with `text` and parses it; the cursor returns to
    // the start. Text without a root element (a bare XML declaration, which
    // begins a new document) is kept and gives false (no root yet); any other
    // malformed text leaves an empty document and gives false.
    bool SetDocument(std::wstring_view text);

    // Moves to the next sibling named `tag` after the main element (from the
    // first child when none is selected). On failure nothing moves.
    bool FindElement(std::wstring_view tag);
    // The main element becomes the parent, with nothing selected inside it.
    bool IntoElement();
    // The parent becomes the main element again; false at the document level.
    bool OutOfElement();

    // Decoded value of the main element's attribute; empty when missing.
    std::wstring GetAttribute(std::wstring_view name) const;

    // Inserts an empty element after the main element (at the end when none
    // is selected) and selects it. False for a name that is not an XML name,
    // and for a second element at the document level.
    bool AddElement(std::wstring_view tag);
    // Adds or replaces an attribute of the main element.
    bool SetAttribute(std::wstring_view name, std::wstring_view value);

    // The whole document as text, as SaveFile writes it before encoding.
    std::wstring GetDocument() const;
    // Writes the document in the encoding its declaration names (UTF-8 when
    // none), without a byte-order mark; the file is replaced atomically.
    bool SaveFile(std::wstring const& path) const;

    // Why the last load failed ("no_root_element", "root_has_sibling",
    // "lone_end_tag", "unended_start_tag", "doctype_not_allowed",
    // "too_deep", "too_large", "unknown_encoding", ...); empty after success.
    std::string const& GetError() const { return m_error; }
    // The encoding the last loaded file was read in ("UTF-8", "UTF-16LE", ...).
    std::string const& GetEncoding() const { return m_encoding; }
    // Always 0 for the program's documents; kept for callers that pass it on.
    int GetFlags() const { return m_flags; }

    struct Node;

private:
    void Reset();

    std::unique_ptr<Node> m_document;
    Node* m_parent { nullptr };
    Node* m_main { nullptr };
    std::string m_error;
    std::string m_encoding;
    int m_flags { 0 };
};

}
