#include "app/ForbiddenNames.h"

#include <algorithm>
#include <cwctype>

namespace Tessera {

namespace {

std::vector<std::wstring>& List()
{
    static std::vector<std::wstring> s_list;
    return s_list;
}

}

void FillForbiddenNames()
{
    List() = {
        L"fuck", L"shit", L"bitch", L"nazi", L"porn", L"cunt",
        L"操", L"妈的", L"傻逼", L"贱人", L"婊子", L"色情", L"纳粹", L"混蛋", L"去死",
    };
}

std::vector<std::wstring> const& ForbiddenNames() { return List(); }

bool ContainsForbiddenWord(std::wstring const& name)
{
    std::wstring lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](wchar_t c) { return static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c))); });
    return std::any_of(List().begin(), List().end(), [&](std::wstring const& word) { return lower.find(word) != std::wstring::npos; });
}

}
