#include "message_language.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

struct LocaleLanguage {
    std::string_view language;
    std::string_view territory;
    std::uint16_t id;
};

// The first row of each language is what the language alone means.
constexpr LocaleLanguage kLocales[] = {
    {"af", "ZA", 0x0436}, {"am", "ET", 0x045E}, {"ar", "SA", 0x0401}, {"ar", "EG", 0x0C01}, {"ar", "MA", 0x1801},
    {"ar", "AE", 0x3801}, {"az", "AZ", 0x042C}, {"be", "BY", 0x0423}, {"bg", "BG", 0x0402}, {"bn", "IN", 0x0445},
    {"bn", "BD", 0x0845}, {"bs", "BA", 0x141A}, {"ca", "ES", 0x0403}, {"cs", "CZ", 0x0405}, {"cy", "GB", 0x0452},
    {"da", "DK", 0x0406}, {"de", "DE", 0x0407}, {"de", "CH", 0x0807}, {"de", "AT", 0x0C07}, {"de", "LU", 0x1007},
    {"de", "LI", 0x1407}, {"el", "GR", 0x0408}, {"en", "US", 0x0409}, {"en", "GB", 0x0809}, {"en", "AU", 0x0C09},
    {"en", "CA", 0x1009}, {"en", "NZ", 0x1409}, {"en", "IE", 0x1809}, {"en", "ZA", 0x1C09}, {"en", "IN", 0x4009},
    {"es", "ES", 0x0C0A}, {"es", "MX", 0x080A}, {"es", "VE", 0x200A}, {"es", "CO", 0x240A}, {"es", "PE", 0x280A},
    {"es", "AR", 0x2C0A}, {"es", "CL", 0x340A}, {"es", "US", 0x540A}, {"et", "EE", 0x0425}, {"eu", "ES", 0x042D},
    {"fa", "IR", 0x0429}, {"fi", "FI", 0x040B}, {"fo", "FO", 0x0438}, {"fr", "FR", 0x040C}, {"fr", "BE", 0x080C},
    {"fr", "CA", 0x0C0C}, {"fr", "CH", 0x100C}, {"fr", "LU", 0x140C}, {"ga", "IE", 0x083C}, {"gl", "ES", 0x0456},
    {"gu", "IN", 0x0447}, {"he", "IL", 0x040D}, {"hi", "IN", 0x0439}, {"hr", "HR", 0x041A}, {"hr", "BA", 0x101A},
    {"hu", "HU", 0x040E}, {"hy", "AM", 0x042B}, {"id", "ID", 0x0421}, {"is", "IS", 0x040F}, {"it", "IT", 0x0410},
    {"it", "CH", 0x0810}, {"ja", "JP", 0x0411}, {"ka", "GE", 0x0437}, {"kk", "KZ", 0x043F}, {"km", "KH", 0x0453},
    {"kn", "IN", 0x044B}, {"ko", "KR", 0x0412}, {"lo", "LA", 0x0454}, {"lt", "LT", 0x0427}, {"lv", "LV", 0x0426},
    {"mk", "MK", 0x042F}, {"ml", "IN", 0x044C}, {"mn", "MN", 0x0450}, {"mr", "IN", 0x044E}, {"ms", "MY", 0x043E},
    {"mt", "MT", 0x043A}, {"nb", "NO", 0x0414}, {"ne", "NP", 0x0461}, {"nl", "NL", 0x0413}, {"nl", "BE", 0x0813},
    {"nn", "NO", 0x0814}, {"no", "NO", 0x0414}, {"pa", "IN", 0x0446}, {"pl", "PL", 0x0415}, {"pt", "BR", 0x0416},
    {"pt", "PT", 0x0816}, {"ro", "RO", 0x0418}, {"ru", "RU", 0x0419}, {"si", "LK", 0x045B}, {"sk", "SK", 0x041B},
    {"sl", "SI", 0x0424}, {"sq", "AL", 0x041C}, {"sr", "RS", 0x281A}, {"sv", "SE", 0x041D}, {"sv", "FI", 0x081D},
    {"sw", "KE", 0x0441}, {"ta", "IN", 0x0449}, {"te", "IN", 0x044A}, {"th", "TH", 0x041E}, {"tr", "TR", 0x041F},
    {"uk", "UA", 0x0422}, {"ur", "PK", 0x0420}, {"uz", "UZ", 0x0443}, {"vi", "VN", 0x042A}, {"zh", "CN", 0x0804},
    {"zh", "TW", 0x0404}, {"zh", "HK", 0x0C04}, {"zh", "SG", 0x1004}, {"zh", "MO", 0x1404},
};

std::string AsciiCase(std::string_view text, bool upper)
{
    std::string out(text);
    for (char& ch : out) {
        if (upper && ch >= 'a' && ch <= 'z')
            ch = static_cast<char>(ch - 'a' + 'A');
        else if (!upper && ch >= 'A' && ch <= 'Z')
            ch = static_cast<char>(ch - 'A' + 'a');
    }
    return out;
}

} // namespace

std::uint16_t LanguageFromLocaleName(std::string_view locale)
{
    // language[_territory][.codeset][@modifier]
    const std::string_view name = locale.substr(0, locale.find_first_of(".@"));
    const std::size_t underscore = name.find('_');
    const std::string language = AsciiCase(name.substr(0, underscore), false);
    const std::string territory =
        underscore == std::string_view::npos ? std::string() : AsciiCase(name.substr(underscore + 1), true);

    const auto first = std::find_if(std::begin(kLocales), std::end(kLocales),
                                    [&](const LocaleLanguage& l) { return l.language == language; });
    if (first == std::end(kLocales))
        return 0;
    if (territory.empty())
        return first->id;
    for (auto row = first; row != std::end(kLocales) && row->language == language; ++row) {
        if (row->territory == territory)
            return row->id;
    }
    return PrimaryLanguage(first->id);
}

std::uint16_t UserLanguageFromEnvironment()
{
    const char* locale = nullptr;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            locale = value;
            break;
        }
    }
    const std::uint16_t language = locale != nullptr ? LanguageFromLocaleName(locale) : 0;
    // As gettext reads it, LANGUAGE's list of languages comes first, but only
    // under a locale that is not C: the first entry the table of languages
    // knows decides.
    const char* list = std::getenv("LANGUAGE");
    if (language == 0 || list == nullptr)
        return language;
    for (std::string_view rest = list; !rest.empty();) {
        const std::size_t colon = rest.find(':');
        if (const std::uint16_t listed = LanguageFromLocaleName(rest.substr(0, colon)))
            return listed;
        rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
    }
    return language;
}

std::vector<std::uint16_t> LanguageFallbacks(std::uint16_t userLanguage)
{
    std::vector<std::uint16_t> order;
    for (const std::uint16_t language :
         {userLanguage, PrimaryLanguage(userLanguage), kEnglishUnitedStates, kEnglishNeutral}) {
        if (language != 0 && std::find(order.begin(), order.end(), language) == order.end())
            order.push_back(language);
    }
    return order;
}
