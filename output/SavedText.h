// The bytes of a saved text file: the text's lines, each followed by CR LF,
// in the program's code page.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Lines end at CR LF, at LF or at a lone CR, as the text panes break them.
// A text ending in a line break gets no extra empty line; an empty text
// gives no bytes.
std::string SavedTextBytes(std::string_view text);

// How many characters of a UTF-16 text the code page has no byte for, each
// of which a saved file holds as '?'. A character outside the Basic
// Multilingual Plane counts once, and so does a lone surrogate.
std::size_t UnmappableCharacterCount(std::u16string_view text);
