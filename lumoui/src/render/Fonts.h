#pragma once

#include <lumoui/Graphics.h>
#include <lumoui/Types.h>

#include <pango/pango.h>

namespace LumoUI {

// Process-wide font registry on fontconfig: private font files, the
// mapping from the toolkit's family names to installed families, and the
// fallback chain for CJK text. Thread-safe.
class Fonts {
public:
    static constexpr int kWeightSemibold = 600;

    // Adds a font file for this process; the family it holds, or empty.
    static CString AddFontFile(CString const& path);
    // Makes `alias` draw with `family` (e.g. the embedded font's name); a
    // non-zero `weight` (a Pango weight, 600 = semibold) is the weight that
    // regular text of the alias is drawn with.
    static void AddAlias(CString const& alias, CString const& family, int weight = 0);
    // The Pango family list to use for a request: the named family when
    // available (or its alias), the process-wide family, then the CJK
    // fallback.
    static std::string FamilyList(CString const& family);
    static bool IsInstalled(CString const& family);
    // A new font description for the font (caller frees it).
    static PangoFontDescription* Describe(MFont const& font);
    // Pango language of the UI language (zh-cn for 2052).
    static PangoLanguage* Language();
    // The family to use when nothing else is available.
    static CString FallbackFamily();
};

}
