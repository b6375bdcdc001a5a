// The codes a few words describe (--text): those whose name, or whose
// message text in one of the languages searched, holds every word.
#pragma once

#include "lookup/CodeIndex.h"
#include "lookup/ValueReport.h"

#include <span>
#include <string_view>
#include <vector>

struct TextMatch {
    const Definition* Found = nullptr;
    bool ByName = false; // the name holds every word
    bool ByText = false; // a message text holds every word
};

// The words are separated by blanks; each is compared without regard to the
// case of the letters A to Z, anywhere in the name or text ("access denied"
// finds E_ACCESSDENIED). An NTSTATUS is searched by the text of the Win32
// code the system maps it to, which is the text it is shown with. In
// header and line order; nothing for words that are all blanks.
std::vector<TextMatch> FindCodesByText(const CodeIndex& index, std::string_view words,
                                       std::span<const std::uint16_t> languages, std::span<const CodeFamily> families,
                                       const LanguageMessageLookup& messageIn);
