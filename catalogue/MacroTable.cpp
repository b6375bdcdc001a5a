#include "catalogue/MacroTable.h"

#include "catalogue/CSourceBytes.h"

namespace {

class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}

    void SkipBlanks()
    {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t'))
            ++at_;
    }
    bool Take(char c)
    {
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    bool TakeWord(std::string_view word)
    {
        if (text_.substr(at_).starts_with(word)
            && (at_ + word.size() == text_.size() || !IsCNameByte(text_[at_ + word.size()]))) {
            at_ += word.size();
            return true;
        }
        return false;
    }
    std::string_view Identifier()
    {
        const std::size_t start = at_;
        if (at_ < text_.size() && IsCNameStart(text_[at_])) {
            while (at_ < text_.size() && IsCNameByte(text_[at_]))
                ++at_;
        }
        return text_.substr(start, at_ - start);
    }
    std::string_view Rest() const { return text_.substr(at_); }

private:
    std::string_view text_;
    std::size_t at_ = 0;
};

// The replacement text without its comments and outer blanks; a comment
// left open ends the text.
std::string WithoutComments(std::string_view text)
{
    std::string body;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i).starts_with("//"))
            break;
        if (text.substr(i).starts_with("/*")) {
            const std::size_t end = text.find("*/", i + 2);
            if (end == std::string_view::npos)
                break;
            body += ' ';
            i = end + 1;
            continue;
        }
        body += text[i];
    }
    std::size_t first = 0;
    while (first < body.size() && IsCBlank(body[first]))
        ++first;
    std::size_t last = body.size();
    while (last > first && IsCBlank(body[last - 1]))
        --last;
    return body.substr(first, last - first);
}

bool ReadParameters(LineReader& reader, std::vector<std::string>& parameters)
{
    reader.SkipBlanks();
    if (reader.Take(')'))
        return true;
    do {
        reader.SkipBlanks();
        const std::string_view name = reader.Identifier();
        if (name.empty())
            return false; // a variadic macro, or damage
        parameters.emplace_back(name);
        reader.SkipBlanks();
    } while (reader.Take(','));
    return reader.Take(')');
}

} // namespace

std::optional<NamedMacro> ReadDefineLine(const char* text, std::size_t length)
{
    std::string_view line(text, length);
    line = line.substr(0, line.find('\0'));
    while (!line.empty() && IsCBlank(line.back()))
        line.remove_suffix(1);
    if (!line.empty() && line.back() == '\\')
        return std::nullopt;

    LineReader reader(line);
    reader.SkipBlanks();
    if (!reader.Take('#'))
        return std::nullopt;
    reader.SkipBlanks();
    if (!reader.TakeWord("define"))
        return std::nullopt;
    reader.SkipBlanks();
    NamedMacro macro;
    macro.Name = reader.Identifier();
    if (macro.Name.empty())
        return std::nullopt;
    // Only a parenthesis right after the name makes a function-like macro.
    if (reader.Take('(')) {
        macro.Definition.FunctionLike = true;
        if (!ReadParameters(reader, macro.Definition.Parameters))
            return std::nullopt;
    }
    macro.Definition.Body = WithoutComments(reader.Rest());
    return macro;
}

void MacroTable::AddLine(const char* text, std::size_t length)
{
    if (std::optional<NamedMacro> macro = ReadDefineLine(text, length))
        Add(std::move(macro->Name), std::move(macro->Definition));
}

void MacroTable::Add(std::string name, MacroDefinition definition)
{
    macros.try_emplace(std::move(name), std::move(definition));
}

const MacroDefinition* MacroTable::Find(std::string_view name) const
{
    if (const auto it = macros.find(name); it != macros.end())
        return &it->second;
    if (!source_ || absent.contains(name))
        return nullptr;
    std::optional<MacroDefinition> found = source_(name);
    if (!found) {
        absent.emplace(name);
        return nullptr;
    }
    return &macros.emplace(std::string(name), std::move(*found)).first->second;
}
