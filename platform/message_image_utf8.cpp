#include "system_message_utf8.h"

#include "message_format.h"
#include "message_image_lookup.h"
#include "message_language.h"

std::optional<std::string> MessageUtf8FromImage(std::span<const std::uint8_t> file, DWORD messageId)
{
    const ImageMessage found = FindMessageInImage(file, UserLanguageFromEnvironment(), messageId);
    if (!found.HasTables)
        return std::nullopt;
    return found.Text ? FormatMessageTextUtf8(*found.Text, false).text : std::string();
}
