#include "render/Fonts.h"

#include <lumoui/Manager.h>

#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>
#include <pango/pangofc-fontmap.h>

#include <map>
#include <mutex>

namespace LumoUI {

namespace {

struct Registry {
    std::mutex mutex;
    struct Alias {
        CString family;
        int weight { 0 };
    };
    std::map<CString, Alias> aliases;
    std::map<CString, bool> installed;
};

Registry& registry()
{
    static Registry s_registry;
    return s_registry;
}

bool QueryInstalled(CString const& family)
{
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<FcChar8 const*>(ToUtf8(family).c_str()));
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* set = FcFontList(nullptr, pattern, objects);
    bool found = set && set->nfont > 0;
    if (set)
        FcFontSetDestroy(set);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return found;
}

// At unload, hand back this thread's Pango font map. Cairo's and
// fontconfig's process-wide caches stay: resetting them (cairo's debug reset,
// FcFini) aborts while any font or surface is still alive, which at exit
// depends on the order other threads and statics end in; they stay
// reachable, so leak checkers do not count them.
struct ReleaseAtExit {
    ~ReleaseAtExit() { pango_cairo_font_map_set_default(nullptr); }
};

ReleaseAtExit s_release_at_exit;

}

CString Fonts::FallbackFamily() { return L"Noto Sans CJK SC"; }

bool Fonts::IsInstalled(CString const& family)
{
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    auto it = r.installed.find(family);
    if (it != r.installed.end())
        return it->second;
    bool found = QueryInstalled(family);
    r.installed[family] = found;
    return found;
}

CString Fonts::AddFontFile(CString const& path)
{
    std::string file = ToUtf8(path);
    if (!FcConfigAppFontAddFile(FcConfigGetCurrent(), reinterpret_cast<FcChar8 const*>(file.c_str())))
        return {};
    CString family;
    int count = 0;
    if (FcPattern* pattern = FcFreeTypeQuery(reinterpret_cast<FcChar8 const*>(file.c_str()), 0, nullptr, &count)) {
        FcChar8* name = nullptr;
        if (FcPatternGetString(pattern, FC_FAMILY, 0, &name) == FcResultMatch && name)
            family = FromUtf8(reinterpret_cast<char const*>(name));
        FcPatternDestroy(pattern);
    }
    PangoFontMap* map = pango_cairo_font_map_get_default();
    if (PANGO_IS_FC_FONT_MAP(map))
        pango_fc_font_map_config_changed(PANGO_FC_FONT_MAP(map));
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    r.installed.clear();
    return family;
}

void Fonts::AddAlias(CString const& alias, CString const& family, int weight)
{
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    r.aliases[alias] = { family, weight };
}

namespace {

int AliasWeight(CString const& family)
{
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    auto it = r.aliases.find(family);
    return it == r.aliases.end() ? 0 : it->second.weight;
}

}

std::string Fonts::FamilyList(CString const& family)
{
    auto resolve = [](CString const& name) -> CString {
        {
            auto& r = registry();
            std::lock_guard lock(r.mutex);
            auto it = r.aliases.find(name);
            if (it != r.aliases.end())
                return it->second.family;
        }
        return IsInstalled(name) ? name : CString {};
    };
    std::string list;
    auto append = [&list](CString const& name) {
        if (name.empty())
            return;
        if (!list.empty())
            list += ",";
        list += ToUtf8(name);
    };
    append(resolve(family));
    append(resolve(Manager::GetFontName()));
    append(FallbackFamily());
    append(L"Sans");
    return list;
}

PangoFontDescription* Fonts::Describe(MFont const& font)
{
    PangoFontDescription* desc = pango_font_description_new();
    pango_font_description_set_family(desc, FamilyList(font.family).c_str());
    pango_font_description_set_absolute_size(desc, std::max(font.size, 1) * PANGO_SCALE);
    int const aliasWeight = AliasWeight(font.family);
    PangoWeight const regular = aliasWeight > 0 ? static_cast<PangoWeight>(aliasWeight) : PANGO_WEIGHT_NORMAL;
    pango_font_description_set_weight(desc, (font.style & FontStyleBold) ? PANGO_WEIGHT_BOLD : regular);
    pango_font_description_set_style(desc, (font.style & FontStyleItalic) ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    return desc;
}

PangoLanguage* Fonts::Language()
{
    switch (Manager::GetLanguage()) {
    case 2052: return pango_language_from_string("zh-cn");
    case 1028: return pango_language_from_string("zh-tw");
    case 3076: return pango_language_from_string("zh-hk");
    case 1041: return pango_language_from_string("ja");
    case 1042: return pango_language_from_string("ko");
    case 1031: return pango_language_from_string("de");
    default: return pango_language_from_string("en");
    }
}

}
