#include "message_format.h"

#include "codepage.h"
#include "win32.h"

namespace {

bool IsHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void AppendAnsi(std::string& out, char32_t codePoint)
{
    const int byte = UnicodeToAnsi1252(codePoint);
    out += byte < 0 ? '?' : static_cast<char>(byte);
}

template <void (*Append)(std::string&, char32_t)>
FormattedMessage Format(std::u16string_view message, bool ignoreInserts)
{
    FormattedMessage result;
    std::string& out = result.text;
    for (std::size_t i = 0; i < message.size(); ++i) {
        const char16_t unit = message[i];
        if (unit == u'\r') {
            if (i + 1 < message.size() && message[i + 1] == u'\n')
                ++i;
            out += "\r\n";
        } else if (unit == u'\n') {
            out += "\r\n";
        } else if (unit == u'%') {
            if (i + 1 == message.size())
                return FormattedMessage{ERROR_INVALID_PARAMETER, {}};
            const char16_t escape = message[++i];
            if (escape == u'0')
                break;
            if (escape == u'n') {
                out += "\r\n";
            } else if (escape == u'r') {
                out += '\r';
            } else if (escape == u't') {
                out += '\t';
            } else if (escape >= u'1' && escape <= u'9' && !ignoreInserts) {
                return FormattedMessage{ERROR_INVALID_PARAMETER, {}};
            } else {
                if (ignoreInserts)
                    out += '%';
                Append(out, escape);
            }
        } else if (IsHighSurrogate(unit) && i + 1 < message.size() && IsLowSurrogate(message[i + 1])) {
            // A pair is one character, so it becomes one '?'.
            Append(out, 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (char32_t(message[i + 1]) - 0xDC00));
            ++i;
        } else {
            Append(out, unit);
        }
    }
    return result;
}

} // namespace

FormattedMessage FormatMessageText(std::u16string_view message, bool ignoreInserts)
{
    return Format<AppendAnsi>(message, ignoreInserts);
}

FormattedMessage FormatMessageTextUtf8(std::u16string_view message, bool ignoreInserts)
{
    return Format<AppendUtf8>(message, ignoreInserts);
}
