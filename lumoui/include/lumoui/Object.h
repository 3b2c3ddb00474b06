#pragma once

#include <lumoui/Export.h>
#include <lumoui/Types.h>

namespace LumoUI {

class MControl;
class ControlList;

// Root of everything that can parent a control: the dialog's object part,
// container controls and the controls themselves.
class LUMOUI_API MObject {
public:
    MObject() = default;
    MObject(MObject const&) = delete;
    MObject& operator=(MObject const&) = delete;
    virtual ~MObject();

    // 1 when GetClassNameW() equals name exactly (case-sensitive), else 0.
    virtual int IsClass(wchar_t const* name);
    virtual wchar_t const* GetClassNameW();
    virtual wchar_t const* GetObjectClass();
    virtual wchar_t const* BaseObjectClassName();
    // Notification entry point: a child control reports (its id, event code,
    // wParam, lParam). Containers pass it on to their own parent.
    virtual LRESULT OnBaseMessage(unsigned id, unsigned code, WPARAM wParam, LPARAM lParam);
    // A child asks its parent to repaint rc (dialog client coordinates); with
    // markDirty the child's face cache is rebuilt.
    virtual LRESULT OnControlUpdate(CRect rc, int markDirty, MControl* ctrl);
    // The list this object keeps its kind-1 children in (the dialog's
    // top-level controls, a control's control children); null for none.
    // Used for sibling searches such as radio-button groups.
    virtual ControlList* GetChildControlList();
};

}
