#pragma once

#include "platform/base/Utf8.h"

#include <optional>
#include <string>
#include <string_view>

namespace Tessera {

// Text conversions at the file boundary of XML documents. In memory text is a
// std::wstring holding one Unicode code point per element. Every function is
// pure and may be called from any thread. WideToUtf8 and the strict
// Utf8ToWide come from platform/base/Utf8.h.

// The encoding a file's bytes were decoded from, and the text.
struct DecodedXml {
    std::wstring text;
    std::string encoding; // "UTF-8", "UTF-16LE", "UTF-16BE", "WINDOWS-1252" or a declared name
};

// Decodes the bytes of an XML file:
//  - a byte-order mark decides (EF BB BF UTF-8, FF FE UTF-16LE, FE FF UTF-16BE)
//    and is dropped;
//  - "<?" as 16-bit units without a mark is UTF-16 of that byte order;
//  - otherwise the encoding pseudo-attribute of the XML declaration decides;
//  - with no declared encoding, text that starts with '<' is UTF-8; anything
//    else is UTF-8 when it is valid UTF-8 and Windows-1252 when it is not
//    (Windows-1252 stands for the 8-bit code page of the writing system).
// Gives std::nullopt, with a short reason in `error`, for an unknown declared
// encoding or bytes that are invalid in the chosen encoding.
std::optional<DecodedXml> DecodeXmlBytes(std::string_view bytes, std::string* error = nullptr);

// Encodes `text` for a file in `encoding` (a name as in an XML declaration;
// empty means UTF-8), without a byte-order mark. "UTF-16" is written
// little-endian. std::nullopt for an unknown encoding or a character the
// encoding cannot represent.
std::optional<std::string> EncodeXmlText(std::wstring_view text, std::string_view encoding);

// The value of the encoding pseudo-attribute of an XML declaration at the
// start of `text`; empty when there is no declaration or no such attribute.
std::wstring DeclaredEncoding(std::wstring_view text);

}
