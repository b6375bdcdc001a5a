// Which language of the system's message table the user reads: the POSIX
// locale of the process, as a Windows language identifier (LANGID).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

constexpr std::uint16_t kEnglishUnitedStates = 0x0409;
constexpr std::uint16_t kEnglishNeutral = 0x0009;

constexpr std::uint16_t PrimaryLanguage(std::uint16_t language)
{
    return language & 0x3FF;
}

// A locale name such as de_DE.UTF-8 or pt_BR@euro: 0 for C, POSIX and
// languages without a Windows identifier. A known language in a territory
// that has no identifier of its own gives the language's sublanguage-neutral
// identifier.
std::uint16_t LanguageFromLocaleName(std::string_view locale);

// From the first non-empty of LC_ALL, LC_MESSAGES and LANG; where that names
// a language, the first known one of LANGUAGE's list (de:fr) before it.
std::uint16_t UserLanguageFromEnvironment();

// The languages to try, best first, for a user language (0 for none): the
// language itself, its sublanguage-neutral form, US English, then English.
std::vector<std::uint16_t> LanguageFallbacks(std::uint16_t userLanguage);
