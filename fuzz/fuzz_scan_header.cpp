// ScanHeader over arbitrary bytes with every name selected (the prefixes are
// the letters and "_"). Each row must point at its own line: LineOffset is
// the start of a line inside the file, before any Ctrl+Z, and LineLength is
// that line as the scanner reads it (up to and with its LF, CRs dropped);
// Line counts the LFs before it. A first byte of 0xFF puts the rest of the
// input just before the end of the scanner's first read, so that lines
// straddle two reads and the buffer has to move and grow. The same file is
// also scanned into a row table that already holds a header: a failed scan
// must leave the table as it was, a good one must add the same rows.
#include "EveryName.h"
#include "FuzzCheck.h"

#include "catalogue/CodeEntry.h"
#include "catalogue/CodeTable.h"
#include "catalogue/ScanHeader.h"
#include "platform/win32.h"
#include "text/TStringsStorage.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t kFirstRead = 256 * 1024;
constexpr std::uint8_t kStraddleMode = 0xFF;
constexpr char kEndOfFileMark = 26;

// A decimal text without a sign or leading zeros.
std::uint64_t Number(const std::string& text)
{
    FUZZ_CHECK(!text.empty() && (text == "0" || text[0] != '0'));
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    FUZZ_CHECK(error == std::errc() && end == text.data() + text.size());
    return value;
}

bool IsCodeText(const std::string& code)
{
    const std::string digits = !code.empty() && code[0] == '-' ? code.substr(1) : code;
    return !digits.empty() && (digits == "0" || digits[0] != '0')
           && std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The line that starts at offset, as the scanner reads it.
std::string LineAt(std::string_view file, std::size_t offset)
{
    std::string line;
    for (std::size_t i = offset; i < file.size() && file[i] != kEndOfFileMark; ++i) {
        if (file[i] != '\r')
            line += file[i];
        if (file[i] == '\n')
            break;
    }
    return line;
}

// The file as the rows are checked against it.
struct ScannedFile {
    std::string_view bytes;
    std::size_t end;                    // the first Ctrl+Z, or the size
    std::vector<std::size_t> lineFeeds; // positions of every LF, ascending

    explicit ScannedFile(std::string_view file) : bytes(file), end(std::min(file.size(), file.find(kEndOfFileMark)))
    {
        for (std::size_t i = file.find('\n'); i != std::string_view::npos; i = file.find('\n', i + 1))
            lineFeeds.push_back(i);
    }

    std::uint64_t LineNumberAt(std::size_t offset) const
    {
        return 1
               + static_cast<std::uint64_t>(std::lower_bound(lineFeeds.begin(), lineFeeds.end(), offset)
                                            - lineFeeds.begin());
    }
};

void CheckRow(const CodeEntry& row, std::size_t n, const ScannedFile& scanned, const std::string& path)
{
    const std::string_view file = scanned.bytes;
    const std::uint64_t offset = Number(row.LineOffset());
    const std::uint64_t length = Number(row.LineLength());
    FUZZ_CHECK(offset < scanned.end && length <= file.size() - offset);
    FUZZ_CHECK(offset == 0 || file[offset - 1] == '\n');

    const std::string line = LineAt(file, offset);
    FUZZ_CHECK(line.size() == length);
    FUZZ_CHECK(Number(row.Line()) == scanned.LineNumberAt(offset));
    FUZZ_CHECK(Number(row.N()) == n);
    FUZZ_CHECK(row.Header() == path);

    FUZZ_CHECK(!row.Mnemonic.empty() && line.find(row.Mnemonic) != std::string::npos);
    const char first = row.Mnemonic[0];
    FUZZ_CHECK(first == '_' || (first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z'));
    FUZZ_CHECK(IsCodeText(row.Code()));
    FUZZ_CHECK(row.ImageIndex == 1 || row.ImageIndex == 2);
    FUZZ_CHECK(row.Severity() == (row.ImageIndex == 2 ? "1" : "0"));
    FUZZ_CHECK(!row.Facility().empty());
}

std::string FileFrom(const std::uint8_t* data, std::size_t size)
{
    const auto* bytes = reinterpret_cast<const char*>(data);
    if (size < 3 || data[0] != kStraddleMode)
        return std::string(bytes, size);
    // A comment line that ends up to 4 KiB before the end of the first read.
    const std::size_t before = kFirstRead - (data[1] | (data[2] << 8)) % 4096;
    std::string file = "//" + std::string(before - 3, '-') + "\n";
    file.append(bytes + 3, size - 3);
    return file;
}

void CheckTableScan(const std::string& path, const EveryName& prefixes, DWORD result,
                    const std::vector<CodeEntry>& rows)
{
    CodeTable table;
    table.StartHeader("earlier.h");
    table.Add("EARLIER_ROW", 0x80070005u, 3, 40, 25);
    const CodeEntry earlier = table.Entry(0);

    for (int scan = 1; scan <= 2; ++scan) {
        const std::size_t before = table.Count();
        FUZZ_CHECK(ScanHeader(path.c_str(), prefixes.List, prefixes.Selected.data(), table) == result);
        FUZZ_CHECK(table.Count() == before + (result == ERROR_SUCCESS ? rows.size() : 0));
        FUZZ_CHECK(table.Entry(0) == earlier);
        for (std::size_t i = 0; before + i < table.Count(); ++i) {
            FUZZ_CHECK(table.Entry(before + i) == rows[i]);
            FieldDigits digits;
            for (int subItem = -1; subItem < CodeEntrySubItemCount; ++subItem) {
                const std::string_view text = table.Text(before + i, subItem, digits);
                FUZZ_CHECK(text.data()[text.size()] == '\0');
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ScratchFolder scratch;
    static const EveryName prefixes;
    const std::string file = FileFrom(data, size);
    const std::string path =
        scratch.Write("scanned.h", reinterpret_cast<const std::uint8_t*>(file.data()), file.size());

    std::vector<CodeEntry> rows;
    const DWORD result = ScanHeader(path.c_str(), prefixes.List, prefixes.Selected.data(),
                                    [&](CodeEntry&& row) { rows.push_back(std::move(row)); });
    FUZZ_CHECK(result == ERROR_SUCCESS || result == ERROR_INVALID_DATA);
    FUZZ_CHECK(result == ERROR_SUCCESS || rows.empty());
    const ScannedFile scanned(file);
    for (std::size_t i = 0; i < rows.size(); ++i)
        CheckRow(rows[i], i + 1, scanned, path);
    CheckTableScan(path, prefixes, result, rows);
    return 0;
}
