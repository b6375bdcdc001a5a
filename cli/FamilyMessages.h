// The message texts vantrel-lookup gives a code, by the family it is read
// in: the one place that says which family's texts come from where.
#pragma once

#include "lookup/CodeFamily.h"

#include "platform/win32_types.h"

#include <string>

// UTF-8; empty when the family has no text for the code.
std::string FamilyMessage(DWORD code, CodeFamily family);
