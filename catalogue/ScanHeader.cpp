#include "ScanHeader.h"

#include "DefineLine.h"
#include "ExpressionRows.h"
#include "HeaderLineReader.h"
#include "PrefixSet.h"
#include "TextCheck.h"

#include "platform/win32.h"
#include "text/TStringsStorage.h"

#include <new>
#include <optional>

namespace {

constexpr DWORD kNoPrefixes = 1;

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() { CloseHandle(handle_); }

private:
    HANDLE handle_;
};

DWORD ScanOpenFile(HANDLE file, const PrefixSet& prefixes, CodeTable& rows, ExpressionRows* expressions)
{
    HeaderLineReader reader(file);
    HeaderLine line{};
    if (!reader.Next(line))
        return reader.Error() != 0 ? reader.Error() : ERROR_INVALID_DATA;
    if (!LooksLikeText(line.Text, line.Length))
        return ERROR_INVALID_DATA;
    // Only a line with a '#' can declare a code.
    do {
        const char* nameStart = DefineNameStart(line.Text, line.Length);
        std::string_view macro;
        if (expressions != nullptr) {
            macro = DefinedMacroName(line.Text, line.Length, nameStart);
            if (!macro.empty())
                expressions->NoteDefine(static_cast<std::uint32_t>(rows.HeaderCount() - 1), line.Offset, macro);
        }
        DefinedCode code{};
        if (ParseDefineLine(nameStart, line.Text + line.Length, prefixes, code)) {
            rows.Add(code.Name, code.Value, line.Number, line.Offset, line.Length);
            // A row's name is more than the macro's where parameters follow
            // it: a function-like macro has no value of its own.
            if (expressions != nullptr && code.Name == macro) {
                const char* valueStart = code.Name.data() + code.Name.size();
                expressions->NoteRow(
                    rows.Count() - 1,
                    std::string_view(valueStart, static_cast<std::size_t>(line.Text + line.Length - valueStart)));
            }
        }
    } while (reader.NextWithHash(line));
    return reader.Error();
}

} // namespace

DWORD ScanHeader(LPCSTR path, const TStringsStorage& prefixes, const BYTE* prefixSelected, CodeTable& rows,
                 ExpressionRows* expressions)
{
    if (prefixes.Count() == 0)
        return kNoPrefixes;
    HANDLE handle =
        CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        return code != 0 ? code : ERROR_GEN_FAILURE;
    }
    FileHandle file(handle);

    try {
        rows.StartHeader(path);
    } catch (const std::bad_alloc&) {
        return ERROR_NOT_ENOUGH_MEMORY;
    }
    DWORD result = 0;
    const std::optional<ExpressionRows::Mark> mark =
        expressions != nullptr ? std::optional(expressions->Now()) : std::nullopt;
    try {
        const PrefixSet selected(prefixes, prefixSelected);
        result = ScanOpenFile(handle, selected, rows, expressions);
    } catch (const std::bad_alloc&) {
        result = ERROR_NOT_ENOUGH_MEMORY;
    }
    if (result != 0) {
        rows.DropHeader();
        if (mark)
            expressions->Rewind(*mark);
    }
    return result;
}

DWORD ScanHeader(LPCSTR path, const TStringsStorage& prefixes, const BYTE* prefixSelected, const CodeSink& sink)
{
    CodeTable rows;
    if (const DWORD result = ScanHeader(path, prefixes, prefixSelected, rows); result != 0)
        return result;
    try {
        for (std::size_t i = 0; i < rows.Count(); ++i)
            sink(rows.Entry(i));
    } catch (const std::bad_alloc&) {
        return ERROR_NOT_ENOUGH_MEMORY;
    }
    return 0;
}
