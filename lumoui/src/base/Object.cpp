#include <lumoui/Object.h>

#include <cwchar>

namespace LumoUI {

MObject::~MObject() = default;

int MObject::IsClass(wchar_t const* name)
{
    wchar_t const* own = GetClassNameW();
    return own && name && std::wcscmp(own, name) == 0 ? 1 : 0;
}

wchar_t const* MObject::GetClassNameW() { return nullptr; }
wchar_t const* MObject::GetObjectClass() { return nullptr; }
wchar_t const* MObject::BaseObjectClassName() { return nullptr; }
LRESULT MObject::OnBaseMessage(unsigned, unsigned, WPARAM, LPARAM) { return 0; }
LRESULT MObject::OnControlUpdate(CRect, int, MControl*) { return 0; }
ControlList* MObject::GetChildControlList() { return nullptr; }

}
