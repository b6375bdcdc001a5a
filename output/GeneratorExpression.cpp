#include "output/GeneratorExpression.h"

#include <utility>

namespace {

bool IsBlank(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

constexpr std::string_view StandInExpression = "Code";

} // namespace

std::string TrimExpression(std::string_view typed)
{
    std::size_t first = 0;
    std::size_t end = typed.size();
    while (first < end && IsBlank(typed[first]))
        ++first;
    while (end > first && IsBlank(typed[end - 1]))
        --end;
    return std::string(typed.substr(first, end - first));
}

ExpressionCheck CheckExpression(std::string_view typed, GeneratedSyntax syntax)
{
    std::string trimmed = TrimExpression(typed);
    if (trimmed.empty() && syntax == GeneratedSyntax::IfElseIf)
        return {std::string(StandInExpression), ExpressionRequiredMessage};
    return {std::move(trimmed), std::nullopt};
}
