#include "dialogs/DeclarationText.h"

#include "platform/codepage.h"
#include "platform/win32.h"

#include <algorithm>
#include <array>
#include <memory>

namespace {

constexpr DWORD ChunkSize = 1 << 20;

const std::array<char16_t, 256>& Ansi1252Characters()
{
    static const std::array<char16_t, 256> characters = [] {
        std::array<char16_t, 256> table{};
        for (int byte = 0; byte < 256; ++byte)
            table[static_cast<std::size_t>(byte)] =
                static_cast<char16_t>(Ansi1252ToUnicode(static_cast<unsigned char>(byte)));
        return table;
    }();
    return characters;
}

class OpenFile {
public:
    explicit OpenFile(HANDLE opened) : handle(opened) {}
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile()
    {
        if (handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
    }
    HANDLE handle;
};

} // namespace

bool DeclarationText::Load(LPCSTR path)
{
    *this = DeclarationText();
    OpenFile file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                              nullptr));
    if (file.handle == INVALID_HANDLE_VALUE)
        return false;

    const std::array<char16_t, 256>& characters = Ansi1252Characters();
    const auto chunk = std::make_unique<unsigned char[]>(ChunkSize);
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file.handle, chunk.get(), ChunkSize, &read, nullptr)) {
            *this = DeclarationText();
            return false;
        }
        if (read == 0)
            break;
        const qsizetype kept = text.size();
        text.resize(kept + static_cast<qsizetype>(read));
        QChar* out = text.data() + kept;
        for (DWORD i = 0; i < read; ++i) {
            if (chunk[i] == '\r')
                droppedAt.push_back(fileSize + i);
            else
                *out++ = QChar(characters[chunk[i]]);
        }
        text.truncate(out - text.constData());
        fileSize += read;
    }
    return true;
}

qsizetype DeclarationText::PositionOf(std::uint64_t byteOffset) const
{
    const std::uint64_t offset = std::min(byteOffset, fileSize);
    const auto droppedBefore = std::lower_bound(droppedAt.begin(), droppedAt.end(), offset) - droppedAt.begin();
    return static_cast<qsizetype>(offset) - static_cast<qsizetype>(droppedBefore);
}
