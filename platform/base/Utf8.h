#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace Tessera {

// UTF-8 at the boundaries of files, the database, the clipboard and paths.
// In memory text is a std::wstring holding one Unicode code point per
// element. Every function is pure and may be called from any thread.

// Appends the UTF-8 form of `code`; a value that is not a Unicode scalar
// value (a surrogate, or above U+10FFFF) is written as U+FFFD.
void AppendUtf8(std::string& out, char32_t code);

// The length (1-4) of the well-formed UTF-8 sequence that starts at
// `bytes[at]`, with its code point in `code`; 0 for a byte that starts no
// well-formed sequence (overlong forms, surrogates and truncated sequences
// included).
std::size_t DecodeUtf8Sequence(std::string_view bytes, std::size_t at, char32_t& code);

// UTF-8 of `text`, with U+FFFD for what cannot be encoded.
std::string WideToUtf8(std::wstring_view text);

// Strict decoding: std::nullopt for any ill-formed input.
std::optional<std::wstring> Utf8ToWide(std::string_view bytes);

// Lenient decoding: each byte that starts no well-formed sequence becomes
// U+FFFD, so damaged text is still read.
std::wstring Utf8ToWideReplacing(std::string_view bytes);

}
