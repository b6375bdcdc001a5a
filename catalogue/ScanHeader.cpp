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

std::string Decimal(std::uint64_t number)
{
    char digits[24];
    return std::string(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
}

CodeEntry MakeEntry(const DefinedCode& code, std::uint64_t n, LPCSTR path, const HeaderLine& line)
{
    DecodedCode decoded = DecodeCodeValue(code.Value);
    CodeEntry entry;
    entry.Mnemonic.assign(code.Name);
    entry.ImageIndex = decoded.ImageIndex;
    entry.SubItems[ciCode] = std::move(decoded.Code);
    entry.SubItems[ciFacility] = decoded.Facility;
    entry.SubItems[ciSeverity] = decoded.Severity;
    entry.SubItems[ciN] = Decimal(n);
    entry.SubItems[ciHeader] = path;
    entry.SubItems[ciLine] = Decimal(line.Number);
    entry.SubItems[ciLineOffset] = Decimal(line.Offset);
    entry.SubItems[ciLineLength] = Decimal(line.Length);
    return entry;
}

DWORD ScanOpenFile(HANDLE file, LPCSTR path, const PrefixSet& prefixes, std::vector<CodeEntry>& rows)
{
    HeaderLineReader reader(file);
    HeaderLine line{};
    if (!reader.Next(line))
        return reader.Error() != 0 ? reader.Error() : ERROR_INVALID_DATA;
    if (!LooksLikeText(line.Text, line.Length))
        return ERROR_INVALID_DATA;
    do {
        DefinedCode code{};
        if (ParseDefineLine(line.Text, line.Length, prefixes, code))
            rows.push_back(MakeEntry(code, rows.size() + 1, path, line));
    } while (reader.Next(line));
    return reader.Error();
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

    std::vector<CodeEntry> rows;
    try {
        const PrefixSet selected(prefixes, prefixSelected);
        if (const DWORD result = ScanOpenFile(handle, path, selected, rows); result != 0)
            return result;
    } catch (const std::bad_alloc&) {
        return ERROR_NOT_ENOUGH_MEMORY;
    }
    for (CodeEntry& row : rows)
        sink(std::move(row));
    return 0;
}
