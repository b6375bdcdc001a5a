// The clipboard as Copy and the code generator use it: plain 8-bit text only.
// The window binds it to the system clipboard.
#pragma once

#include <optional>
#include <string>
#include <string_view>

class Clipboard {
public:
    virtual ~Clipboard() = default;

    virtual bool HasText() const = 0;
    // The clipboard's text, or nothing when opening or reading it failed.
    virtual std::optional<std::string> ReadText() = 0;
    // Puts text on the clipboard, replacing everything it held.
    virtual void SetText(std::string_view text) = 0;
};
