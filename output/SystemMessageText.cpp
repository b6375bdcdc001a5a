#include "output/SystemMessageText.h"

#include "text/TMyString.h"

std::string SystemMessageText(LONG code)
{
    TMyString message;
    message.FromSystemMessage(code);
    return std::string(message.c_str(), message.Length());
}
