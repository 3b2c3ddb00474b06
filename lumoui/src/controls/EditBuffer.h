#pragma once

#include <cstddef>
#include <string>

namespace LumoUI {

// The text, caret and selection of a single-line edit, without any drawing or
// input handling. Positions count code points (one wchar_t each on Linux),
// 0..length. The selection is the range between the anchor and the caret;
// it is empty when both are equal.
class EditBuffer {
public:
    // Replaces the text (line breaks removed, cut to the limit); caret at the end.
    void SetText(std::wstring text);
    std::wstring const& GetText() const { return m_text; }

    // 0 = no limit. Shortens the current text when it is longer.
    void SetLimit(size_t limit);
    // Only the digits 0-9 are accepted by Insert.
    void SetDigitsOnly(bool digitsOnly) { m_digitsOnly = digitsOnly; }
    bool IsDigitsOnly() const { return m_digitsOnly; }

    size_t GetCaret() const { return m_caret; }
    size_t GetSelectionStart() const;
    size_t GetSelectionEnd() const;
    bool HasSelection() const { return m_caret != m_anchor; }
    std::wstring GetSelectedText() const;

    // Moves the caret to `position` (clamped); with `extend` the anchor stays,
    // so the selection grows or shrinks, otherwise the selection collapses.
    void SetCaret(size_t position, bool extend);
    // Selects [start, end) with the caret at `end`.
    void Select(size_t start, size_t end);
    void SelectAll() { Select(0, m_text.size()); }

    // Caret movements of the arrow, Home and End keys. Without `extend` an
    // existing selection collapses to its left or right edge first.
    void MoveLeft(bool extend, bool byWord);
    void MoveRight(bool extend, bool byWord);
    void MoveHome(bool extend) { SetCaret(0, extend); }
    void MoveEnd(bool extend) { SetCaret(m_text.size(), extend); }

    // Replaces the selection with `text` after filtering (control characters
    // and line breaks dropped; digits only when set; cut to the limit).
    // Returns true when the text changed.
    bool Insert(std::wstring const& text);
    // Backspace / Delete: the selection, else one character (or word with
    // `byWord`) before / after the caret. True when the text changed.
    bool DeleteBackward(bool byWord);
    bool DeleteForward(bool byWord);
    bool DeleteSelection();

private:
    size_t WordLeft(size_t from) const;
    size_t WordRight(size_t from) const;
    std::wstring Filter(std::wstring const& text) const;

    std::wstring m_text;
    size_t m_caret = 0;
    size_t m_anchor = 0;
    size_t m_limit = 0;
    bool m_digitsOnly = false;
};

}
