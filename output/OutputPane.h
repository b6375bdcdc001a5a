// The text model of the Output pane: an 8-bit, CR LF separated text that the
// user may also type into. The window binds the three primitives to its edit
// control; the line rule and the check that a line really went in live here,
// so every writer (Copy, drops, the code generator) appends the same way.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class OutputPane {
public:
    virtual ~OutputPane() = default;

    virtual std::string Text() const = 0;
    // Replaces the whole text; no line end is added.
    virtual void SetText(std::string_view text) = 0;
    virtual std::size_t Length() const { return Text().size(); }

    // Adds a line by the pane's rule: after an empty text or one ending in
    // CR LF the line goes in followed by CR LF, otherwise CR LF and then the
    // line. False when the pane refused it, with an error or by taking less
    // than the line and its line break; what it did take stays in the pane.
    bool AppendLine(std::string_view line);

    // Replaces the whole text by the lines joined with CR LF, without a line
    // break after the last one. Stops at the first line the pane refuses and
    // gives false; an empty list empties the pane.
    bool ReplaceWithLines(const std::vector<std::string>& lines);

protected:
    // Adds text at the end as the edit control does; the control may take
    // only part of it when it is full. False when it reports an error.
    virtual bool InsertAtEnd(std::string_view text) = 0;
};
