#include "CodeTable.h"

#include "CodeValue.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace {

std::string_view Decimal(std::uint64_t number, FieldDigits& digits)
{
    char* end = std::to_chars(digits.data(), digits.data() + digits.size() - 1, number).ptr;
    *end = '\0';
    return std::string_view(digits.data(), static_cast<std::size_t>(end - digits.data()));
}

} // namespace

void CodeTable::StartHeader(std::string_view path)
{
    headers.emplace_back(path);
    mark = Mark{count, texts.size(), lastBlockUsed};
    nextN = 1;
}

const char* CodeTable::StoreName(std::string_view name)
{
    const std::size_t needed = name.size() + 1;
    if (texts.empty() || texts.back().Size - lastBlockUsed < needed) {
        const std::size_t size = std::max(kTextBlock, needed);
        texts.push_back(TextBlock{std::make_unique_for_overwrite<char[]>(size), size});
        lastBlockUsed = 0;
    }
    char* stored = texts.back().Bytes.get() + lastBlockUsed;
    std::memcpy(stored, name.data(), name.size());
    stored[name.size()] = '\0';
    lastBlockUsed += needed;
    return stored;
}

void CodeTable::Add(std::string_view name, DWORD value, std::uint64_t line, std::uint64_t lineOffset,
                    std::uint64_t lineLength)
{
    if (count == chunks.size() * kChunkRows)
        chunks.push_back(std::make_unique_for_overwrite<CodeRecord[]>(kChunkRows));
    const char* stored = StoreName(name);
    chunks[count / kChunkRows][count % kChunkRows] =
        CodeRecord{stored,     name.size(), line,  lineOffset,
                   lineLength, value,       nextN, static_cast<std::uint32_t>(headers.size() - 1)};
    ++count;
    ++nextN;
}

void CodeTable::DropHeader() noexcept
{
    if (headers.empty())
        return;
    headers.pop_back();
    count = mark.Count;
    chunks.resize((count + kChunkRows - 1) / kChunkRows);
    texts.resize(mark.Blocks);
    lastBlockUsed = mark.LastBlockUsed;
}

CodeEntry CodeTable::Entry(std::size_t i) const
{
    const CodeRecord& record = (*this)[i];
    CodeEntry entry;
    entry.Mnemonic.assign(record.Name, record.NameLength);
    entry.ImageIndex = IsSevere(record.Value) ? 2 : 1;
    FieldDigits digits;
    for (int subItem = 0; subItem < CodeEntrySubItemCount; ++subItem)
        entry.SubItems[static_cast<std::size_t>(subItem)] = Text(i, subItem, digits);
    return entry;
}

std::string_view CodeTable::Text(std::size_t i, int subItem, FieldDigits& digits) const
{
    const CodeRecord& record = (*this)[i];
    switch (subItem) {
    case ciCode: {
        CodeDigits code;
        const std::string_view text = CodeText(record.Value, code);
        std::copy(text.begin(), text.end(), digits.begin());
        digits[text.size()] = '\0';
        return std::string_view(digits.data(), text.size());
    }
    case ciFacility: return FacilityName(FacilityNumber(record.Value));
    case ciSeverity: return IsSevere(record.Value) ? "1" : "0";
    case ciN: return Decimal(record.N, digits);
    case ciHeader: return headers[record.Header];
    case ciLine: return Decimal(record.Line, digits);
    case ciLineOffset: return Decimal(record.LineOffset, digits);
    case ciLineLength: return Decimal(record.LineLength, digits);
    default: return std::string_view(record.Name, record.NameLength);
    }
}
