// The bytes of a saved text file: the text's lines, each followed by CR LF.
#pragma once

#include <string>
#include <string_view>

// Lines end at CR LF, at LF or at a lone CR, as the text panes break them.
// A text ending in a line break gets no extra empty line; an empty text
// gives no bytes.
std::string SavedTextBytes(std::string_view text);
