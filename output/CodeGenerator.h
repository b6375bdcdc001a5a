// Source text generated from the action list: a switch statement with a
// case per code, or an if / else if chain with a branch per code. Each
// result is a list of non-empty lines without line ends.
#pragma once

#include <string>
#include <string_view>
#include <vector>

enum class GeneratedSyntax { Switch, IfElseIf };

// With brackets every branch gets a brace block holding a break.
std::vector<std::string> MakeSwitch(const std::vector<std::string>& mnemonics, std::string_view expression,
                                    bool brackets);

// The mnemonic stands left of the comparison, the expression right. The
// chain starts from the first mnemonic, so with none there is nothing to
// generate and the result is empty.
std::vector<std::string> MakeIfElseIf(const std::vector<std::string>& mnemonics, std::string_view expression,
                                      bool brackets);

std::vector<std::string> MakeCode(GeneratedSyntax syntax, const std::vector<std::string>& mnemonics,
                                  std::string_view expression, bool brackets);
