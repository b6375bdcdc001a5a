#include "platform/text_lines.h"

namespace {
constexpr int kCtrlZ = 0x1A;
} // namespace

char* ReadTextLine(char* buffer, int size, std::FILE* file)
{
    int length = 0;
    while (length < size - 1) {
        int ch = std::getc(file);
        if (ch == kCtrlZ) {
            // Nothing after it is text, on this call or the next.
            std::fseek(file, 0, SEEK_END);
            break;
        }
        if (ch == EOF)
            break;
        if (ch == '\r') {
            const int next = std::getc(file);
            if (next == '\n')
                ch = '\n';
            else if (next != EOF)
                std::ungetc(next, file);
        }
        buffer[length++] = static_cast<char>(ch);
        if (ch == '\n')
            break;
    }
    if (length == 0)
        return nullptr;
    buffer[length] = '\0';
    return buffer;
}
