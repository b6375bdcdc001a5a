// A clipboard that holds its text in memory, records what was put on it and
// can be told to fail a read.
#pragma once

#include "widgets/seams/ClipboardService.h"

#include <optional>
#include <string>
#include <vector>

class FakeClipboard final : public Clipboard {
public:
    // Null: no text (empty, or something other than text).
    std::optional<std::string> text;
    bool readFails = false;
    std::vector<std::string> puts;

    bool HasText() const override { return text.has_value(); }
    std::optional<std::string> ReadText() override;
    void SetText(std::string_view newText) override;
};
