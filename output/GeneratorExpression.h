// The expression that the generated code dispatches on, as the generate
// dialog accepts it when "Do it" is pressed.
#pragma once

#include "output/CodeGenerator.h"
#include "output/UserMessages.h"

#include <optional>
#include <string>
#include <string_view>

// Removes leading and trailing characters with codes 0 to 32.
std::string TrimExpression(std::string_view typed);

struct ExpressionCheck {
    // What the edit holds afterwards: the trimmed text, or the stand-in
    // "Code" when the expression was refused.
    std::string EditText;
    // Set when refused: the dialog shows it and stays open.
    std::optional<UserMessage> Refusal;
};

// The switch form takes an empty expression; the if / else if form needs one
// to compare against.
ExpressionCheck CheckExpression(std::string_view typed, GeneratedSyntax syntax);
