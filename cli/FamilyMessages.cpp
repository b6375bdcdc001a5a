#include "cli/FamilyMessages.h"

#include "output/SystemMessageText.h"

std::string FamilyMessage(DWORD code, CodeFamily family)
{
    switch (family) {
    case CodeFamily::Win32:
    case CodeFamily::HResult: return SystemMessageTextUtf8(code);
    default: return {};
    }
}
