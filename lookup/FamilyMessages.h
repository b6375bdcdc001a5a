// The message texts a lookup gives a code, by the family it is read in: the
// one place that says which family's texts come from where, for
// vantrel-lookup and the window alike.
#pragma once

#include "lookup/CodeFamily.h"

#include "platform/win32_types.h"

#include <cstdint>
#include <string>

// UTF-8; empty when the family has no text for the code. In the user's
// language, with the system's fallbacks.
std::string FamilyMessage(DWORD code, CodeFamily family);
// The same in one language alone (--lang): empty when the tables hold no
// text for the code in that language.
std::string FamilyMessageIn(DWORD code, CodeFamily family, std::uint16_t language);
