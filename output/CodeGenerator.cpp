#include "output/CodeGenerator.h"

#include <utility>

namespace {

void AddCaseBranch(std::vector<std::string>& lines, std::string head, bool brackets)
{
    if (!brackets) {
        lines.push_back(std::move(head) + ": break;");
        return;
    }
    lines.push_back(std::move(head) + ":");
    lines.emplace_back("    {");
    lines.emplace_back("      break;");
    lines.emplace_back("    }");
}

void AddIfBranch(std::vector<std::string>& lines, std::string condition, bool brackets)
{
    lines.push_back(std::move(condition));
    if (!brackets)
        return;
    lines.emplace_back(" {");
    lines.emplace_back("   ");
    lines.emplace_back(" }");
}

std::string Comparison(const std::string& mnemonic, std::string_view expression)
{
    return mnemonic + " == " + std::string(expression) + ")";
}

} // namespace

std::vector<std::string> MakeSwitch(const std::vector<std::string>& mnemonics, std::string_view expression,
                                    bool brackets)
{
    std::vector<std::string> lines;
    lines.reserve(brackets ? 4 * mnemonics.size() + 7 : mnemonics.size() + 4);
    lines.push_back("switch(" + std::string(expression) + ")");
    lines.emplace_back(" {");
    for (const std::string& mnemonic : mnemonics)
        AddCaseBranch(lines, "  case " + mnemonic, brackets);
    AddCaseBranch(lines, "  default", brackets);
    lines.emplace_back(" }");
    return lines;
}

std::vector<std::string> MakeIfElseIf(const std::vector<std::string>& mnemonics, std::string_view expression,
                                      bool brackets)
{
    std::vector<std::string> lines;
    if (mnemonics.empty())
        return lines;
    lines.reserve(brackets ? 4 * mnemonics.size() + 4 : mnemonics.size() + 1);
    AddIfBranch(lines, "if(" + Comparison(mnemonics.front(), expression), brackets);
    for (std::size_t k = 1; k < mnemonics.size(); ++k)
        AddIfBranch(lines, "else if(" + Comparison(mnemonics[k], expression), brackets);
    if (!brackets) {
        lines.emplace_back("else // unexpected ???");
        return lines;
    }
    lines.emplace_back("else");
    lines.emplace_back(" {");
    lines.emplace_back("   // unexpected ???");
    lines.emplace_back(" }");
    return lines;
}

std::vector<std::string> MakeCode(GeneratedSyntax syntax, const std::vector<std::string>& mnemonics,
                                  std::string_view expression, bool brackets)
{
    if (syntax == GeneratedSyntax::IfElseIf)
        return MakeIfElseIf(mnemonics, expression, brackets);
    return MakeSwitch(mnemonics, expression, brackets);
}
