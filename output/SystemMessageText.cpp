#include "output/SystemMessageText.h"

#include "platform/system_message.h"
#include "text/TMyString.h"

std::string SystemMessageText(LONG code)
{
    TMyString message;
    message.FromSystemMessage(code);
    return std::string(message.c_str(), message.Length());
}

std::string SystemMessageTextUtf8(DWORD code)
{
    return SystemMessageUtf8(code);
}
