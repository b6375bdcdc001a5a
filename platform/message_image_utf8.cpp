#include "system_message_utf8.h"

#include "message_format.h"
#include "message_image.h"
#include "message_language.h"

std::string MessageUtf8FromImage(MessageImage& image, DWORD messageId)
{
    const std::optional<std::u16string> text = image.Find(UserLanguageFromEnvironment(), messageId);
    return text ? FormatMessageTextUtf8(*text, false).text : std::string();
}
