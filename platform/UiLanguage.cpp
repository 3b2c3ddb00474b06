#include "platform/UiLanguage.h"

#include "platform/SettingsStore.h"

#include <atomic>
#include <cctype>
#include <cstdlib>

namespace Tessera {

namespace {

struct LocaleId {
    char const* name; // "ll" or "ll_TT"
    int id;
};

// Territory-specific identifiers first; a language alone gives its main one.
constexpr LocaleId kLocales[] = {
    { "zh_CN", 2052 }, { "zh_SG", 4100 }, { "zh_TW", 1028 }, { "zh_HK", 3076 }, { "zh_MO", 5124 },
    { "en_GB", 2057 }, { "en_AU", 3081 }, { "en_CA", 4105 }, { "en_NZ", 5129 }, { "en_IE", 6153 },
    { "de_AT", 3079 }, { "de_CH", 2055 }, { "fr_BE", 2060 }, { "fr_CA", 3084 }, { "fr_CH", 4108 },
    { "es_MX", 2058 }, { "pt_BR", 1046 }, { "pt_PT", 2070 }, { "nl_BE", 2067 }, { "sr_RS", 9242 },
    { "zh", 2052 }, { "en", 1033 }, { "de", 1031 }, { "fr", 1036 }, { "es", 3082 }, { "it", 1040 },
    { "ja", 1041 }, { "ko", 1042 }, { "ru", 1049 }, { "pt", 2070 }, { "nl", 1043 }, { "pl", 1045 },
    { "tr", 1055 }, { "sv", 1053 }, { "da", 1030 }, { "fi", 1035 }, { "nb", 1044 }, { "no", 1044 },
    { "nn", 2068 }, { "cs", 1029 }, { "sk", 1051 }, { "hu", 1038 }, { "el", 1032 }, { "he", 1037 },
    { "ar", 1025 }, { "th", 1054 }, { "vi", 1066 }, { "uk", 1058 }, { "id", 1057 }, { "ms", 1086 },
    { "ro", 1048 }, { "bg", 1026 }, { "hr", 1050 }, { "sl", 1060 }, { "et", 1061 }, { "lv", 1062 },
    { "lt", 1063 }, { "fa", 1065 }, { "hi", 1081 }, { "ca", 1027 }, { "eu", 1069 }, { "gl", 1110 },
    { "is", 1039 }, { "sr", 9242 },
};

constexpr int kDefaultLanguage = 1033;

std::atomic<int> s_currentLanguage { 2052 };

}

int LanguageIdFromLocale(std::string const& locale)
{
    // "ll_TT.codeset@modifier": keep "ll" and "TT".
    size_t end = locale.find_first_of(".@");
    std::string base = locale.substr(0, end);
    std::string language = base.substr(0, base.find('_'));
    for (char& c : language)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    std::string territory = base.find('_') == std::string::npos ? "" : base.substr(base.find('_') + 1);
    for (char& c : territory)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    std::string pair = language + "_" + territory;
    for (auto const& entry : kLocales) {
        if (pair == entry.name)
            return entry.id;
    }
    for (auto const& entry : kLocales) {
        if (language == entry.name)
            return entry.id;
    }
    return kDefaultLanguage;
}

int GetUserDefaultUILanguage()
{
    for (char const* variable : { "LC_ALL", "LC_MESSAGES", "LANG" }) {
        char const* value = std::getenv(variable);
        if (value && *value)
            return LanguageIdFromLocale(value);
    }
    return kDefaultLanguage;
}

int GetCurrentLanguageId() { return s_currentLanguage.load(std::memory_order_relaxed); }

void SetCurrentLanguageId(int languageId) { s_currentLanguage.store(languageId, std::memory_order_relaxed); }

int SettleLanguage(SettingsStore& store, int systemLanguage)
{
    int language = GetLanguageId(store);
    if (language == 0) {
        language = systemLanguage;
        SetLanguageId(store, systemLanguage == 2052 ? 2052 : 1033);
    }
    SetCurrentLanguageId(language);
    return language;
}

}
