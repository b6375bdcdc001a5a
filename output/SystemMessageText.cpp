#include "output/SystemMessageText.h"

#include "platform/system_message_utf8.h"
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
