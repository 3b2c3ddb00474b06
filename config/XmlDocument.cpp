#include "config/XmlDocument.h"

#include "config/XmlEncoding.h"
#include "platform/base/AtomicFile.h"
#include "platform/base/PathText.h"

#include <expat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <optional>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Tessera {

// An element, or a run of raw markup (text, comments, processing
// instructions, the XML declaration) kept exactly as read.
struct XmlDocument::Node {
    enum class Kind { Element, Raw };

    Kind kind { Kind::Element };
    std::wstring name; // element name, or the raw markup
    std::vector<std::pair<std::wstring, std::wstring>> attributes;
    std::vector<std::unique_ptr<Node>> children;
    Node* parent { nullptr };
    // Elements made by AddElement are followed by CR LF; elements that had no
    // content get CR LF after their start tag once a child goes in.
    bool created { false };
    bool breakAfterStart { true };
};

namespace {

using Node = XmlDocument::Node;

// Bounds the element index of a hostile file well below the memory the
// program may use; real layout and export files hold a few thousand.
constexpr size_t kMaxElements = 200000;

bool IsNameStart(wchar_t c)
{
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || c == L'_' || c == L':'
        || (c >= 0xC0 && c != 0xD7 && c != 0xF7 && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF));
}

bool IsNameChar(wchar_t c)
{
    return IsNameStart(c) || (c >= L'0' && c <= L'9') || c == L'-' || c == L'.' || c == 0xB7;
}

bool IsXmlName(std::wstring_view name)
{
    return !name.empty() && IsNameStart(name.front()) && std::all_of(name.begin() + 1, name.end(), IsNameChar);
}

// Characters XML 1.0 cannot carry at all; they are written as U+FFFD.
bool IsForbiddenChar(wchar_t c)
{
    return (c < 0x20 && c != L'\t' && c != L'\n' && c != L'\r') || (c >= 0xD800 && c <= 0xDFFF)
        || c == 0xFFFE || c == 0xFFFF || static_cast<unsigned long>(c) > 0x10FFFF;
}

// The five markup characters as entity references; tab, line feed and
// carriage return as character references so they survive attribute-value
// normalisation when the file is read again.
void AppendEscaped(std::wstring& out, std::wstring_view value)
{
    for (wchar_t c : value) {
        switch (c) {
        case L'<': out += L"&lt;"; break;
        case L'&': out += L"&amp;"; break;
        case L'>': out += L"&gt;"; break;
        case L'\'': out += L"&apos;"; break;
        case L'"': out += L"&quot;"; break;
        case L'\t': out += L"&#9;"; break;
        case L'\n': out += L"&#10;"; break;
        case L'\r': out += L"&#13;"; break;
        default: out.push_back(IsForbiddenChar(c) ? wchar_t(0xFFFD) : c);
        }
    }
}

void AppendNode(std::wstring& out, Node const& node)
{
    if (node.kind == Node::Kind::Raw) {
        out += node.name;
        return;
    }
    out += L'<';
    out += node.name;
    for (auto const& [name, value] : node.attributes) {
        out += L' ';
        out += name;
        out += L"=\"";
        AppendEscaped(out, value);
        out += L'"';
    }
    if (node.children.empty()) {
        out += L"/>";
    } else {
        out += L'>';
        if (node.breakAfterStart)
            out += L"\r\n";
        for (auto const& child : node.children)
            AppendNode(out, *child);
        out += L"</";
        out += node.name;
        out += L'>';
    }
    if (node.created)
        out += L"\r\n";
}

std::wstring Widen(XML_Char const* text, size_t length)
{
    // Expat hands back the UTF-8 we gave it, so this cannot fail.
    return Utf8ToWide(std::string_view(text, length)).value_or(std::wstring());
}

// Builds the node tree from expat's callbacks.
class TreeBuilder {
public:
    TreeBuilder(Node& document, std::string_view utf8)
        : m_document(document)
        , m_current(&document)
        , m_utf8(utf8)
        , m_parser(XML_ParserCreate("UTF-8")) // overrides any declared encoding: the text is UTF-8 now
    {
    }
    ~TreeBuilder() { XML_ParserFree(m_parser); }
    TreeBuilder(TreeBuilder const&) = delete;
    TreeBuilder& operator=(TreeBuilder const&) = delete;

    // Returns the error name, empty on success.
    std::string Run()
    {
        if (!m_parser)
            return "out_of_memory";
        XML_SetUserData(m_parser, this);
        XML_SetElementHandler(m_parser, &TreeBuilder::OnStart, &TreeBuilder::OnEnd);
        XML_SetCharacterDataHandler(m_parser, &TreeBuilder::OnText);
        XML_SetDefaultHandler(m_parser, &TreeBuilder::OnRaw);
        XML_SetStartDoctypeDeclHandler(m_parser, &TreeBuilder::OnDoctype);
        XML_SetEntityDeclHandler(m_parser, &TreeBuilder::OnEntity);
        XML_SetParamEntityParsing(m_parser, XML_PARAM_ENTITY_PARSING_NEVER);
        if (XML_Parse(m_parser, m_utf8.data(), static_cast<int>(m_utf8.size()), XML_TRUE) == XML_STATUS_OK)
            return {};
        if (!m_error.empty())
            return m_error;
        return Classify(XML_GetErrorCode(m_parser));
    }

private:
    static TreeBuilder& Self(void* data) { return *static_cast<TreeBuilder*>(data); }

    void Stop(char const* error)
    {
        if (m_error.empty())
            m_error = error;
        XML_StopParser(m_parser, XML_FALSE);
    }

    static void OnStart(void* data, XML_Char const* name, XML_Char const** attributes)
    {
        auto& self = Self(data);
        if (self.m_depth >= XmlDocument::kMaxDepth)
            return self.Stop("too_deep");
        if (++self.m_elements > kMaxElements)
            return self.Stop("too_large");
        auto node = std::make_unique<Node>();
        node->name = Widen(name, std::char_traits<char>::length(name));
        for (auto pair = attributes; pair[0]; pair += 2) {
            node->attributes.emplace_back(Widen(pair[0], std::char_traits<char>::length(pair[0])),
                Widen(pair[1], std::char_traits<char>::length(pair[1])));
        }
        node->parent = self.m_current;
        Node* raw = node.get();
        self.m_current->children.push_back(std::move(node));
        self.m_current = raw;
        ++self.m_depth;
    }

    static void OnEnd(void* data, XML_Char const*)
    {
        auto& self = Self(data);
        self.m_current->breakAfterStart = self.m_current->children.empty();
        self.m_current = self.m_current->parent;
        --self.m_depth;
    }

    // Text is kept as written (references and line ends untouched).
    static void OnText(void* data, XML_Char const*, int) { XML_DefaultCurrent(Self(data).m_parser); }

    static void OnRaw(void* data, XML_Char const* text, int length)
    {
        auto& self = Self(data);
        auto& children = self.m_current->children;
        if (children.empty() || children.back()->kind != Node::Kind::Raw) {
            auto raw = std::make_unique<Node>();
            raw->kind = Node::Kind::Raw;
            raw->parent = self.m_current;
            children.push_back(std::move(raw));
        }
        children.back()->name += Widen(text, static_cast<size_t>(length));
    }

    // A document type declaration is where entity definitions (and with them
    // exponential expansion) live; the program's files never carry one.
    static void OnDoctype(void* data, XML_Char const*, XML_Char const*, XML_Char const*, int)
    {
        Self(data).Stop("doctype_not_allowed");
    }

    static void OnEntity(void* data, XML_Char const*, int, XML_Char const*, int, XML_Char const*, XML_Char const*,
        XML_Char const*, XML_Char const*)
    {
        Self(data).Stop("doctype_not_allowed");
    }

    // Expat reports an end-tag error at "</", at "/" or at the name; this
    // gives the name of such an end tag, or std::nullopt for other errors.
    std::optional<std::string_view> EndTagAtError() const
    {
        auto index = XML_GetCurrentByteIndex(m_parser);
        if (index < 0 || static_cast<size_t>(index) > m_utf8.size())
            return std::nullopt;
        auto at = static_cast<size_t>(index);
        size_t name;
        if (m_utf8.substr(at, 2) == "</")
            name = at + 2;
        else if (at >= 1 && m_utf8.substr(at - 1, 2) == "</")
            name = at + 1;
        else if (at >= 2 && m_utf8.substr(at - 2, 2) == "</")
            name = at;
        else
            return std::nullopt;
        auto end = m_utf8.find_first_of(" \t\r\n>", name);
        return m_utf8.substr(name, end == std::string_view::npos ? std::string_view::npos : end - name);
    }

    bool IsOpenElement(std::string_view utf8Name) const
    {
        auto name = Utf8ToWide(utf8Name);
        for (Node const* node = m_current; name && node && node != &m_document; node = node->parent) {
            if (node->name == *name)
                return true;
        }
        return false;
    }

    std::string_view TextAtError() const
    {
        auto index = XML_GetCurrentByteIndex(m_parser);
        if (index < 0 || static_cast<size_t>(index) > m_utf8.size())
            return {};
        return m_utf8.substr(static_cast<size_t>(index));
    }

    std::string Classify(XML_Error code) const
    {
        auto endTag = EndTagAtError();
        switch (code) {
        case XML_ERROR_NO_ELEMENTS:
        case XML_ERROR_UNCLOSED_TOKEN:
        case XML_ERROR_PARTIAL_CHAR:
            return m_depth > 0 ? "unended_start_tag" : "no_root_element";
        case XML_ERROR_TAG_MISMATCH:
            return endTag && IsOpenElement(*endTag) ? "unended_start_tag" : "lone_end_tag";
        case XML_ERROR_JUNK_AFTER_DOC_ELEMENT:
            if (endTag)
                return "lone_end_tag";
            return TextAtError().substr(0, 1) == "<" ? "root_has_sibling" : "text_after_root";
        case XML_ERROR_UNDEFINED_ENTITY:
            return "undefined_entity";
        case XML_ERROR_DUPLICATE_ATTRIBUTE:
            return "duplicate_attribute";
        case XML_ERROR_INVALID_TOKEN:
        case XML_ERROR_SYNTAX:
            if (endTag && m_depth == 0)
                return "lone_end_tag";
            return "syntax_error";
        default:
            return "not_well_formed";
        }
    }

    Node& m_document;
    Node* m_current;
    std::string_view m_utf8;
    XML_Parser m_parser;
    int m_depth { 0 };
    size_t m_elements { 0 };
    std::string m_error;
};

bool HasElementChild(Node const& node)
{
    return std::any_of(node.children.begin(), node.children.end(),
        [](auto const& child) { return child->kind == Node::Kind::Element; });
}

size_t IndexOf(Node const& parent, Node const* child)
{
    for (size_t i = 0; i < parent.children.size(); ++i) {
        if (parent.children[i].get() == child)
            return i;
    }
    return parent.children.size();
}

std::optional<std::string> ReadBounded(std::string const& path, std::string& error)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = "cannot_open";
        return std::nullopt;
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            error = "cannot_read";
            break;
        }
        if (got == 0)
            break;
        bytes.append(buffer, static_cast<size_t>(got));
        if (bytes.size() > XmlDocument::kMaxFileBytes) {
            error = "too_large";
            break;
        }
    }
    ::close(fd);
    if (!error.empty())
        return std::nullopt;
    return bytes;
}

}

XmlDocument::XmlDocument() { Reset(); }

XmlDocument::~XmlDocument() = default;

void XmlDocument::Reset()
{
    m_document = std::make_unique<Node>();
    m_document->breakAfterStart = false;
    m_parent = m_document.get();
    m_main = nullptr;
}

bool XmlDocument::SetDocument(std::wstring_view text)
{
    m_encoding.clear();
    Reset();
    m_error.clear();
    if (text.size() > kMaxFileBytes) {
        m_error = "too_large";
        return false;
    }
    std::string utf8 = WideToUtf8(text);
    m_error = TreeBuilder(*m_document, utf8).Run();
    if (m_error.empty())
        return true;
    std::string error = m_error;
    Reset();
    if (error == "no_root_element") {
        auto raw = std::make_unique<Node>();
        raw->kind = Node::Kind::Raw;
        raw->name = text;
        raw->parent = m_document.get();
        m_document->children.push_back(std::move(raw));
    }
    m_error = error;
    return false;
}

bool XmlDocument::LoadFile(std::wstring const& path)
{
    Reset();
    m_error.clear();
    m_encoding.clear();
    auto bytes = ReadBounded(ToNativePath(path), m_error);
    if (!bytes)
        return false;
    auto decoded = DecodeXmlBytes(*bytes, &m_error);
    if (!decoded)
        return false;
    std::string utf8 = WideToUtf8(decoded->text);
    m_error = TreeBuilder(*m_document, utf8).Run();
    if (!m_error.empty()) {
        Reset();
        return false;
    }
    m_encoding = decoded->encoding;
    return true;
}

bool XmlDocument::FindElement(std::wstring_view tag)
{
    auto& children = m_parent->children;
    size_t start = m_main ? IndexOf(*m_parent, m_main) + 1 : 0;
    for (size_t i = start; i < children.size(); ++i) {
        if (children[i]->kind == Node::Kind::Element && children[i]->name == tag) {
            m_main = children[i].get();
            return true;
        }
    }
    return false;
}

bool XmlDocument::IntoElement()
{
    if (!m_main)
        return false;
    m_parent = m_main;
    m_main = nullptr;
    return true;
}

bool XmlDocument::OutOfElement()
{
    if (m_parent == m_document.get())
        return false;
    m_main = m_parent;
    m_parent = m_parent->parent;
    return true;
}

std::wstring XmlDocument::GetAttribute(std::wstring_view name) const
{
    if (!m_main)
        return {};
    for (auto const& [key, value] : m_main->attributes) {
        if (key == name)
            return value;
    }
    return {};
}

bool XmlDocument::AddElement(std::wstring_view tag)
{
    if (!IsXmlName(tag))
        return false;
    if (m_parent == m_document.get() && HasElementChild(*m_document))
        return false;
    int depth = 0;
    for (Node const* node = m_parent; node != m_document.get(); node = node->parent)
        ++depth;
    if (depth >= kMaxDepth)
        return false;
    auto node = std::make_unique<Node>();
    node->name = tag;
    node->parent = m_parent;
    node->created = true;
    Node* raw = node.get();
    auto& children = m_parent->children;
    auto at = m_main ? children.begin() + static_cast<std::ptrdiff_t>(IndexOf(*m_parent, m_main)) + 1 : children.end();
    children.insert(at, std::move(node));
    m_main = raw;
    return true;
}

bool XmlDocument::SetAttribute(std::wstring_view name, std::wstring_view value)
{
    if (!m_main || !IsXmlName(name))
        return false;
    for (auto& [key, current] : m_main->attributes) {
        if (key == name) {
            current = value;
            return true;
        }
    }
    m_main->attributes.emplace_back(name, value);
    return true;
}

std::wstring XmlDocument::GetDocument() const
{
    std::wstring text;
    for (auto const& child : m_document->children)
        AppendNode(text, *child);
    return text;
}

bool XmlDocument::SaveFile(std::wstring const& path) const
{
    std::wstring text = GetDocument();
    std::wstring encoding = DeclaredEncoding(text);
    auto bytes = EncodeXmlText(text, WideToUtf8(encoding));
    if (!bytes)
        return false;
    return WriteFileAtomically(ToNativePath(path), *bytes, 0644);
}

}
