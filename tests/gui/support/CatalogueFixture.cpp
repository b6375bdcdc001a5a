#include "CatalogueFixture.h"

namespace {

void Replace(TStringsStorage& list, BYTE*& flags, const std::function<bool(LPCSTR, bool)>& add,
             const std::function<void(LONG)>& remove, CatalogueFixture::Entries entries)
{
    while (list.Count() > 0)
        remove(0);
    for (const auto& [text, selected] : entries) {
        add(text.c_str(), true);
        flags[list.Count() - 1] = selected ? 1 : 0;
    }
}

} // namespace

CatalogueFixture::~CatalogueFixture()
{
    find.reset();
}

TfrmMain& CatalogueFixture::CreateShownWithFind()
{
    TfrmMain& main = CreateShown();
    main.SetSettingsDialog(&settingsDialog);
    find = CreateFindWindow(main);
    return main;
}

void CatalogueFixture::SetHeaders(Entries entries)
{
    TSettings::tagErrorsOptions& lists = Settings->ErrorsOptions;
    Replace(
        lists.Headers, lists.HeaderSelected, [&lists](LPCSTR text, bool) { return lists.AddHeader(text); },
        lists.RemoveHeader, entries);
}

void CatalogueFixture::SetPrefixes(Entries entries)
{
    TSettings::tagErrorsOptions& lists = Settings->ErrorsOptions;
    Replace(lists.Prefixes, lists.PrefixSelected, lists.AddPrefix, lists.RemovePrefix, entries);
}
