// The #define lines of the loaded headers, by name: what the constant
// evaluator expands a name in a code's value with. The preprocessor's
// conditions are not followed, so a name defined more than once stands for
// its first definition, as it does everywhere else in the lookup.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

// A constant as C types it: 32 or 64 bits, signed or not; a signed value is
// kept sign-extended to 64 bits.
struct ConstantValue {
    std::uint64_t Bits = 0;
    bool Unsigned = false;
    bool Wide = false;
};

struct MacroDefinition {
    bool FunctionLike = false;
    std::vector<std::string> Parameters;
    std::string Body; // the replacement text, its comments removed
    // The body's value, kept by the evaluator once worked out for a body that
    // is one operand, so that a name used by thousands of codes (a base, a
    // facility) is evaluated once.
    mutable std::optional<ConstantValue> Known;
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
    // Looks for a name that no Add gave, once for each name. A load of many
    // headers keeps only where each define is and reads back the few that a
    // code's value uses.
    using Source = std::function<std::optional<MacroDefinition>(std::string_view name)>;

    MacroTable() = default;
    explicit MacroTable(Source source) : source_(std::move(source)) {}

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
    // Filled on demand from the source: a Find changes nothing a caller
    // can tell apart, and definitions never move once found.
    mutable std::unordered_map<std::string, MacroDefinition, Hash, std::equal_to<>> macros;
    mutable std::unordered_set<std::string, Hash, std::equal_to<>> absent;
    Source source_;
};
