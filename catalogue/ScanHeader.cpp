#include "ScanHeader.h"

#include "CodeValue.h"
#include "DefineLine.h"
#include "HeaderLineReader.h"
#include "PrefixSet.h"
#include "TextCheck.h"

#include "platform/win32.h"
#include "text/TStringsStorage.h"

#include <charconv>
#include <cstdint>
#include <new>
#include <string>
#include <vector>

namespace {

constexpr DWORD kNoPrefixes = 1;

class FileHandle {
public:
    explicit FileHandle(HANDLE handle)
        : handle_(handle)
    {
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() { CloseHandle(handle_); }

private:
    HANDLE handle_;
};

void AssignDecimal(std::string& target, std::uint64_t number)
{
    char digits[24];
    target.assign(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
}

// What a row needs from its line, kept small until the whole file was read.
struct FoundCode {
    std::size_t NameStart; // in the scan's name store
    std::size_t NameLength;
    DWORD Value;
    std::uint64_t Line;
    std::uint64_t Offset;
    std::uint64_t Length;
};

struct FoundCodes {
    std::string Names;
    std::vector<FoundCode> Codes;
};

DWORD ScanOpenFile(HANDLE file, const PrefixSet& prefixes, FoundCodes& found)
{
    HeaderLineReader reader(file);
    HeaderLine line{};
    if (!reader.Next(line))
        return reader.Error() != 0 ? reader.Error() : ERROR_INVALID_DATA;
    if (!LooksLikeText(line.Text, line.Length))
        return ERROR_INVALID_DATA;
    // Only a line with a '#' can declare a code.
    do {
        DefinedCode code{};
        if (ParseDefineLine(line.Text, line.Length, prefixes, code)) {
            found.Codes.push_back(
                FoundCode{found.Names.size(), code.Name.size(), code.Value, line.Number, line.Offset, line.Length});
            found.Names += code.Name;
        }
    } while (reader.NextWithHash(line));
    return reader.Error();
}

CodeEntry MakeEntry(const FoundCodes& found, std::size_t index, LPCSTR path)
{
    const FoundCode& code = found.Codes[index];
    DecodedCode decoded = DecodeCodeValue(code.Value);
    CodeEntry entry;
    entry.Mnemonic.assign(found.Names, code.NameStart, code.NameLength);
    entry.ImageIndex = decoded.ImageIndex;
    entry.SubItems[ciCode] = std::move(decoded.Code);
    entry.SubItems[ciFacility] = decoded.Facility;
    entry.SubItems[ciSeverity] = decoded.Severity;
    AssignDecimal(entry.SubItems[ciN], index + 1);
    entry.SubItems[ciHeader] = path;
    AssignDecimal(entry.SubItems[ciLine], code.Line);
    AssignDecimal(entry.SubItems[ciLineOffset], code.Offset);
    AssignDecimal(entry.SubItems[ciLineLength], code.Length);
    return entry;
}

} // namespace

DWORD ScanHeader(LPCSTR path, const TStringsStorage& prefixes, const BYTE* prefixSelected, const CodeSink& sink)
{
    if (prefixes.Count() == 0)
        return kNoPrefixes;
    HANDLE handle = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        return code != 0 ? code : ERROR_GEN_FAILURE;
    }
    FileHandle file(handle);

    try {
        FoundCodes found;
        const PrefixSet selected(prefixes, prefixSelected);
        if (const DWORD result = ScanOpenFile(handle, selected, found); result != 0)
            return result;
        for (std::size_t i = 0; i < found.Codes.size(); ++i)
            sink(MakeEntry(found, i, path));
    } catch (const std::bad_alloc&) {
        return ERROR_NOT_ENOUGH_MEMORY;
    }
    return 0;
}
