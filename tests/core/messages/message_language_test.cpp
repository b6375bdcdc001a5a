#include "lookup.h"
#include "pe_fixture.h"
#include "scoped_locale.h"

#include "platform/message_language.h"

#include <gtest/gtest.h>

namespace {

TEST(MessageLocaleNames, LanguageAndTerritoryGiveTheWindowsIdentifier)
{
    EXPECT_EQ(LanguageFromLocaleName("de_DE.UTF-8"), 0x0407);
    EXPECT_EQ(LanguageFromLocaleName("de_AT@euro"), 0x0C07);
    EXPECT_EQ(LanguageFromLocaleName("de"), 0x0407) << "a language alone means its home territory";
    EXPECT_EQ(LanguageFromLocaleName("de_BR"), 0x0007) << "an unknown territory gives the neutral form";
    EXPECT_EQ(LanguageFromLocaleName("en_US.UTF-8"), 0x0409);
    EXPECT_EQ(LanguageFromLocaleName("pt_PT"), 0x0816);
    EXPECT_EQ(LanguageFromLocaleName("zh_TW.Big5"), 0x0404);
    EXPECT_EQ(LanguageFromLocaleName("zh"), 0x0804);
    EXPECT_EQ(LanguageFromLocaleName("nn_NO"), 0x0814);
}

TEST(MessageLocaleNames, CAndPosixAndUnknownGiveNone)
{
    for (const char* name : {"C", "POSIX", "C.UTF-8", "", "_DE", "xx_XX", "tlh"})
        EXPECT_EQ(LanguageFromLocaleName(name), 0) << name;
}

TEST(MessageLocaleEnvironment, FirstNonEmptyVariableDecides)
{
    {
        ScopedLocale locale("", "", "fr_FR.UTF-8");
        EXPECT_EQ(UserLanguageFromEnvironment(), 0x040C);
    }
    {
        ScopedLocale locale("", "de_DE", "fr_FR");
        EXPECT_EQ(UserLanguageFromEnvironment(), 0x0407);
    }
    {
        ScopedLocale locale("C", "de_DE", "fr_FR");
        EXPECT_EQ(UserLanguageFromEnvironment(), 0) << "C decides: no later variable is read";
    }
}

TEST(MessageLocaleEnvironment, LanguageListComesFirstUnderARealLocale)
{
    const struct {
        const char* Lang;
        const char* Language;
        std::uint16_t Expected;
    } cases[] = {
        {"ru_RU.UTF-8", "ja", 0x0411},   {"ru_RU.UTF-8", "tlh:de_AT:fr", 0x0C07}, // the first entry known
        {"ru_RU.UTF-8", "tlh:", 0x0419},                                          // none known: the locale
        {"ru_RU.UTF-8", "", 0x0419},     {"C", "ja", 0},                          // C ignores the list, as gettext does
    };
    for (const auto& c : cases) {
        ScopedLocale locale("", "", c.Lang, c.Language);
        EXPECT_EQ(UserLanguageFromEnvironment(), c.Expected) << c.Lang << " / " << c.Language;
    }
}

TEST(MessageLanguageFallbacks, UserThenNeutralThenEnglish)
{
    EXPECT_EQ(LanguageFallbacks(0x0407), (std::vector<std::uint16_t>{0x0407, 0x0007, 0x0409, 0x0009}));
    EXPECT_EQ(LanguageFallbacks(0x0809), (std::vector<std::uint16_t>{0x0809, 0x0009, 0x0409}));
    EXPECT_EQ(LanguageFallbacks(0), (std::vector<std::uint16_t>{0x0409, 0x0009}));
}

std::string MessageFor(const std::vector<std::uint16_t>& languages, const char* locale)
{
    std::vector<FixtureLanguage> tables;
    for (const std::uint16_t language : languages) {
        const std::string name = std::to_string(language);
        tables.push_back({language, BuildMessageResource({{1, std::u16string(name.begin(), name.end())}})});
    }
    ScopedLocale scoped(locale);
    return LookUp(MessageTableSet::FromImage(BuildPe(PeKind::Pe32Plus, tables)), 1).text;
}

TEST(MessageLanguageFallbacks, UserDefaultPicksTheFirstTablePresent)
{
    EXPECT_EQ(MessageFor({0x0C, 0x07, 0x0407, 0x0409}, "de_DE.UTF-8"), "1031");
    EXPECT_EQ(MessageFor({0x0C, 0x07, 0x0409, 0x09}, "de_DE.UTF-8"), "7");
    EXPECT_EQ(MessageFor({0x0C, 0x09, 0x0409}, "de_DE.UTF-8"), "1033");
    EXPECT_EQ(MessageFor({0x0C, 0x09}, "de_DE.UTF-8"), "9");
    EXPECT_EQ(MessageFor({0x0C, 0x0A}, "de_DE.UTF-8"), "12") << "else the first table of the file";
    EXPECT_EQ(MessageFor({0x07, 0x09, 0x0409}, "C"), "1033");
}

TEST(MessageLanguageFallbacks, ExplicitLanguageMustBePresent)
{
    const MessageTableSet tables = MessageTableSet::FromImage(BuildPe(
        PeKind::Pe32Plus, {{0x07, BuildMessageResource({{1, u"de"}})}, {0x0409, BuildMessageResource({{1, u"en"}})}}));
    EXPECT_EQ(LookUp(tables, 1, 0x07).text, "de");
    EXPECT_EQ(LookUp(tables, 1, 0x0407).error, ERROR_RESOURCE_LANG_NOT_FOUND);
}

} // namespace
