#include "AliasDefine.h"

#include "catalogue/DefineLine.h"

namespace {

// More parentheses than any header writes; the bound keeps the reading flat.
constexpr int kMaxParentheses = 8;

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    void SkipBlanks()
    {
        while (at_ < text_.size()
               && (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\r' || text_[at_] == '\n'))
            ++at_;
    }

    bool Take(char c)
    {
        SkipBlanks();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }

    std::string_view Identifier()
    {
        SkipBlanks();
        const std::size_t start = at_;
        while (at_ < text_.size() && IsWordByte(text_[at_], at_ == start))
            ++at_;
        return text_.substr(start, at_ - start);
    }

    // Nothing left but blanks and a comment; a NUL ends the line.
    bool AtEnd()
    {
        SkipBlanks();
        const std::string_view rest = text_.substr(at_);
        return rest.empty() || rest.front() == '\0' || rest.starts_with("//") || rest.starts_with("/*");
    }

private:
    static bool IsWordByte(char c, bool first)
    {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
        return letter || (!first && c >= '0' && c <= '9');
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

bool IsWin32Wrapper(std::string_view name)
{
    return name == "HRESULT_FROM_WIN32" || name == "__HRESULT_FROM_WIN32";
}

bool ReadValue(Reader& reader, AliasDefine& alias)
{
    int open = 0;
    while (reader.Take('(')) {
        if (++open > kMaxParentheses)
            return false;
    }
    std::string_view name = reader.Identifier();
    if (name.empty())
        return false;
    alias.FromWin32 = false;
    if (IsWin32Wrapper(name) && reader.Take('(')) {
        alias.FromWin32 = true;
        name = reader.Identifier();
        if (name.empty() || !reader.Take(')'))
            return false;
    }
    alias.Target = name;
    for (; open > 0; --open) {
        if (!reader.Take(')'))
            return false;
    }
    return reader.AtEnd();
}

} // namespace

bool ParseAliasLine(const char* text, std::size_t length, const PrefixSet& prefixes, AliasDefine& alias)
{
    std::string_view name;
    // A macro with parameters is no code.
    if (!ParseDefineName(text, length, prefixes, name) || name.find('(') != std::string_view::npos)
        return false;
    const char* valueStart = name.data() + name.size();
    Reader reader(std::string_view(valueStart, static_cast<std::size_t>(text + length - valueStart)));
    AliasDefine found{name, {}, false};
    if (!ReadValue(reader, found) || found.Target == name)
        return false;
    alias = found;
    return true;
}
