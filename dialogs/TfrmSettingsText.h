// The settings dialog's rules for texts, free of any window.
#pragma once

#include <string>
#include <string_view>

// What the header list shows for a header: the text after the last '/' of
// its path; the whole path when it has none.
std::string FileNamePart(std::string_view path);

// A typed prefix without the blanks and control characters at its ends.
std::string StripBlanks(std::string_view text);
