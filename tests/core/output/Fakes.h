// In-memory stand-ins for the Output pane, the clipboard and a list control.
#pragma once

#include "output/Clipboard.h"
#include "output/CodeRowSource.h"
#include "output/OutputPane.h"

#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// An edit control that takes text up to its capacity and silently drops the
// rest, or reports an error for every insert when told to.
class FakePane : public OutputPane {
public:
    std::string Text() const override { return text; }
    void SetText(std::string_view value) override { text = std::string(value.substr(0, capacity)); }

    std::string text;
    std::size_t capacity = std::numeric_limits<std::size_t>::max();
    bool insertFails = false;

protected:
    bool InsertAtEnd(std::string_view addition) override
    {
        if (insertFails)
            return false;
        const std::size_t room = capacity > text.size() ? capacity - text.size() : 0;
        text.append(addition.substr(0, room));
        return true;
    }
};

class FakeClipboard : public Clipboard {
public:
    bool HasText() const override { return text.has_value(); }
    std::optional<std::string> ReadText() override
    {
        if (readFails)
            return std::nullopt;
        return text;
    }
    void SetText(std::string_view value) override { text = std::string(value); }

    std::optional<std::string> text; // nothing: no text format on it
    bool readFails = false;
};

class VectorRows : public CodeRowSource {
public:
    int RowCount() const override { return static_cast<int>(rows.size()); }
    CodeEntry Row(int index) const override { return rows[static_cast<std::size_t>(index)]; }

    std::vector<CodeEntry> rows;
};

inline CodeEntry MakeRow(std::string mnemonic, std::string code, std::string header = "winerror.h",
                         std::string line = "123", std::string offset = "4000")
{
    CodeEntry row;
    row.Mnemonic = std::move(mnemonic);
    row.SubItems = {std::move(code), "NULL", "0", "1", std::move(header), std::move(line), std::move(offset), "40"};
    return row;
}
