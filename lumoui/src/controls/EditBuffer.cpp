#include "controls/EditBuffer.h"

#include <algorithm>
#include <cwctype>

namespace LumoUI {

namespace {

bool IsWordChar(wchar_t c)
{
    return std::iswalnum(static_cast<wint_t>(c)) || c == L'_' || c > 0x2E7F;
}

}

void EditBuffer::SetText(std::wstring text)
{
    m_text.clear();
    m_caret = m_anchor = 0;
    Insert(text);
}

void EditBuffer::SetLimit(size_t limit)
{
    m_limit = limit;
    if (m_limit != 0 && m_text.size() > m_limit) {
        m_text.resize(m_limit);
        m_caret = std::min(m_caret, m_limit);
        m_anchor = std::min(m_anchor, m_limit);
    }
}

size_t EditBuffer::GetSelectionStart() const { return std::min(m_caret, m_anchor); }

size_t EditBuffer::GetSelectionEnd() const { return std::max(m_caret, m_anchor); }

std::wstring EditBuffer::GetSelectedText() const
{
    return m_text.substr(GetSelectionStart(), GetSelectionEnd() - GetSelectionStart());
}

void EditBuffer::SetCaret(size_t position, bool extend)
{
    m_caret = std::min(position, m_text.size());
    if (!extend)
        m_anchor = m_caret;
}

void EditBuffer::Select(size_t start, size_t end)
{
    m_anchor = std::min(start, m_text.size());
    m_caret = std::min(end, m_text.size());
}

void EditBuffer::MoveLeft(bool extend, bool byWord)
{
    if (!extend && HasSelection() && !byWord) {
        SetCaret(GetSelectionStart(), false);
        return;
    }
    SetCaret(byWord ? WordLeft(m_caret) : (m_caret > 0 ? m_caret - 1 : 0), extend);
}

void EditBuffer::MoveRight(bool extend, bool byWord)
{
    if (!extend && HasSelection() && !byWord) {
        SetCaret(GetSelectionEnd(), false);
        return;
    }
    SetCaret(byWord ? WordRight(m_caret) : m_caret + 1, extend);
}

std::wstring EditBuffer::Filter(std::wstring const& text) const
{
    std::wstring out;
    out.reserve(text.size());
    for (wchar_t c : text) {
        if (c < 0x20 || c == 0x7F)
            continue; // a single line: tabs, line breaks and control codes are dropped
        if (m_digitsOnly && (c < L'0' || c > L'9'))
            continue;
        out.push_back(c);
    }
    return out;
}

bool EditBuffer::Insert(std::wstring const& text)
{
    std::wstring piece = Filter(text);
    size_t const start = GetSelectionStart();
    size_t const end = GetSelectionEnd();
    size_t const kept = m_text.size() - (end - start);
    if (m_limit != 0 && kept + piece.size() > m_limit)
        piece.resize(m_limit > kept ? m_limit - kept : 0);
    if (piece.empty() && start == end)
        return false;
    m_text.replace(start, end - start, piece);
    m_caret = m_anchor = start + piece.size();
    return true;
}

bool EditBuffer::DeleteSelection()
{
    if (!HasSelection())
        return false;
    size_t const start = GetSelectionStart();
    m_text.erase(start, GetSelectionEnd() - start);
    m_caret = m_anchor = start;
    return true;
}

bool EditBuffer::DeleteBackward(bool byWord)
{
    if (DeleteSelection())
        return true;
    if (m_caret == 0)
        return false;
    size_t const from = byWord ? WordLeft(m_caret) : m_caret - 1;
    m_text.erase(from, m_caret - from);
    m_caret = m_anchor = from;
    return true;
}

bool EditBuffer::DeleteForward(bool byWord)
{
    if (DeleteSelection())
        return true;
    if (m_caret >= m_text.size())
        return false;
    size_t const to = byWord ? WordRight(m_caret) : m_caret + 1;
    m_text.erase(m_caret, to - m_caret);
    m_anchor = m_caret;
    return true;
}

size_t EditBuffer::WordLeft(size_t from) const
{
    size_t pos = std::min(from, m_text.size());
    while (pos > 0 && !IsWordChar(m_text[pos - 1]))
        --pos;
    while (pos > 0 && IsWordChar(m_text[pos - 1]))
        --pos;
    return pos;
}

size_t EditBuffer::WordRight(size_t from) const
{
    size_t pos = std::min(from, m_text.size());
    while (pos < m_text.size() && IsWordChar(m_text[pos]))
        ++pos;
    while (pos < m_text.size() && !IsWordChar(m_text[pos]))
        ++pos;
    return pos;
}

}
