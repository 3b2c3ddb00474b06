#pragma once

// Controls are created by class name. Each control class registers its name
// once, from its own source file, with a static registrar:
//
//     LUMOUI_REGISTER_CONTROL(MButton, L"MButton", LumoUI::FactoryBoth,
//         [](LumoUI::ControlArgs const& a) { return std::make_unique<MButton>(a.title, a.visible, a.enabled); });
//
// FactoryDialog makes the name available to MDialog::CreateControl /
// CreateArea (and pop-up windows), FactoryPanel to MPanel::CreateControl /
// CreateArea. Names are compared exactly (letter case counts); an unknown or
// empty name gives null and creates nothing.

#include <lumoui/Export.h>
#include <lumoui/Types.h>

#include <functional>
#include <memory>

namespace LumoUI {

class MControl;

enum FactoryScope : unsigned {
    FactoryDialog = 1,
    FactoryPanel = 2,
    FactoryBoth = FactoryDialog | FactoryPanel,
};

// The caller's arguments; a class without an enabled parameter ignores
// `enabled` (and is enabled), a class without a title ignores `title`.
struct ControlArgs {
    CString title;
    int visible { 1 };
    int enabled { 1 };
};

using ControlCreator = std::function<std::unique_ptr<MControl>(ControlArgs const&)>;

class LUMOUI_API ControlFactory {
public:
    // Registers (or replaces) a class name. Thread-safe; normally called
    // during static initialisation.
    static void Register(wchar_t const* className, unsigned scope, ControlCreator creator);
    // A new, unparented control, or null for an empty or unknown name or a
    // name not available in `scope`.
    static std::unique_ptr<MControl> Create(wchar_t const* className, FactoryScope scope, ControlArgs const& args);
    static bool IsRegistered(wchar_t const* className, FactoryScope scope);
};

struct LUMOUI_API ControlRegistrar {
    ControlRegistrar(wchar_t const* className, unsigned scope, ControlCreator creator)
    {
        ControlFactory::Register(className, scope, std::move(creator));
    }
};

}

#define LUMOUI_REGISTER_CONTROL(Class, name, scope, creator) \
    static ::LumoUI::ControlRegistrar const s_register_##Class { name, scope, creator }
