// The #define lines of the loaded headers, by name: what the constant
// evaluator expands a name in a code's value with. The preprocessor's
// conditions are not followed, so a name defined more than once stands for
// its first definition, as it does everywhere else in the lookup.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct MacroDefinition {
    bool FunctionLike = false;
    std::vector<std::string> Parameters;
    std::string Body; // the replacement text, its comments removed
};

struct NamedMacro {
    std::string Name;
    MacroDefinition Definition;
};

// text holds length characters of one line as read. Nothing for a line that
// is no #define, or one continued on the next line.
std::optional<NamedMacro> ReadDefineLine(const char* text, std::size_t length);

class MacroTable {
public:
    // The define of the line, unless its name is defined already.
    void AddLine(const char* text, std::size_t length);
    void Add(std::string name, MacroDefinition definition);

    const MacroDefinition* Find(std::string_view name) const;
    std::size_t Size() const { return macros.size(); }

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };
    std::unordered_map<std::string, MacroDefinition, Hash, std::equal_to<>> macros;
};
