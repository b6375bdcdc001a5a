#include "catalogue/ConstantExpression.h"

#include "catalogue/CSourceBytes.h"

#include "text/HexDigit.h"

#include <algorithm>
#include <array>
#include <list>
#include <span>
#include <string>
#include <vector>

namespace {

// Far beyond any header's codes: how deep macros may expand within macros,
// how many tokens one evaluation may produce, how deeply operators may nest.
constexpr int kMaxExpansionDepth = 64;
constexpr int kMaxTokens = 1 << 14;
constexpr int kMaxNesting = 128;

// A value as C holds it: 32 bits (int, long) or 64 (long long, __int64),
// signed or not. Signed values are kept sign-extended to 64 bits.
struct Value {
    std::uint64_t bits = 0;
    bool isUnsigned = false;
    bool wide = false;

    static Value Of(std::uint64_t bits, bool isUnsigned, bool wide)
    {
        Value v{bits, isUnsigned, wide};
        if (!wide)
            v.bits = isUnsigned
                         ? static_cast<std::uint32_t>(bits)
                         : static_cast<std::uint64_t>(static_cast<std::int64_t>(static_cast<std::int32_t>(bits)));
        return v;
    }
    static Value Int(std::int64_t number) { return Of(static_cast<std::uint64_t>(number), false, false); }

    std::int64_t Signed() const { return static_cast<std::int64_t>(bits); }
    bool IsZero() const { return bits == 0; }
    int Width() const { return wide ? 64 : 32; }
};

struct Token {
    enum class Kind { Number, Name, Punct };
    Kind kind = Kind::Punct;
    // Into the expression, a macro's body or the expander's pasted texts,
    // which all outlive the tokens: copying a token costs no allocation.
    std::string_view text;
    Value value;

    bool Is(std::string_view punct) const { return kind == Kind::Punct && text == punct; }
};

// A literal's type under the rules for a target whose long has 32 bits.
bool ReadNumber(std::string_view spelling, Value& value)
{
    std::size_t at = 0;
    int base = 10;
    if (spelling.size() > 1 && spelling[0] == '0' && (spelling[1] == 'x' || spelling[1] == 'X')) {
        base = 16;
        at = 2;
    } else if (spelling[0] == '0') {
        base = 8;
    }
    const std::size_t digitsStart = at;
    std::uint64_t number = 0;
    for (; at < spelling.size(); ++at) {
        const int digit = HexDigitValue(spelling[at]);
        if (digit < 0 || digit >= base)
            break;
        if (number > (UINT64_MAX - static_cast<std::uint64_t>(digit)) / static_cast<std::uint64_t>(base))
            return false;
        number = number * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    }
    if (base == 16 && at == digitsStart)
        return false;
    std::string suffix;
    for (const char c : spelling.substr(at))
        suffix += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    static constexpr std::array<std::string_view, 13> kSuffixes = {"",    "u",   "l",    "ul",  "lu",   "ll", "ull",
                                                                   "llu", "i64", "ui64", "i32", "ui32", "z"};
    bool known = false;
    for (const std::string_view s : kSuffixes)
        known = known || suffix == s;
    if (!known || suffix == "z")
        return false; // a floating constant, or a suffix no compiler takes
    const bool explicitUnsigned = suffix.find('u') != std::string::npos;
    const bool explicitWide = suffix.find("ll") != std::string::npos || suffix.find("64") != std::string::npos;
    const bool decimal = base == 10;
    if (!explicitWide && number <= INT32_MAX && !explicitUnsigned)
        value = Value::Of(number, false, false);
    else if (!explicitWide && number <= UINT32_MAX && (explicitUnsigned || !decimal))
        value = Value::Of(number, true, false);
    else if (number <= INT64_MAX && !explicitUnsigned)
        value = Value::Of(number, false, true);
    else if (explicitUnsigned || !decimal)
        value = Value::Of(number, true, true);
    else
        return false; // a decimal too large for any signed type
    return true;
}

// False for what no integer constant holds: strings, characters, floating
// numbers, bytes outside C's punctuation.
bool Tokenize(std::string_view text, std::vector<Token>& tokens)
{
    static constexpr std::array<std::string_view, 9> kPairs = {"<<", ">>", "<=", ">=", "==", "!=", "&&", "||", "##"};
    static constexpr std::string_view kSingles = "(),+-*/%~!<>&^|?:#";
    std::size_t at = 0;
    while (at < text.size()) {
        const char c = text[at];
        if (IsCBlank(c)) {
            ++at;
            continue;
        }
        Token token;
        if (IsCNameStart(c)) {
            const std::size_t start = at;
            while (at < text.size() && IsCNameByte(text[at]))
                ++at;
            token.kind = Token::Kind::Name;
            token.text = text.substr(start, at - start);
        } else if (c >= '0' && c <= '9') {
            const std::size_t start = at;
            while (at < text.size() && (IsCNameByte(text[at]) || text[at] == '.'))
                ++at;
            token.kind = Token::Kind::Number;
            token.text = text.substr(start, at - start);
            if (!ReadNumber(token.text, token.value))
                return false;
        } else {
            const std::string_view rest = text.substr(at);
            std::size_t size = 0;
            for (const std::string_view pair : kPairs) {
                if (rest.starts_with(pair))
                    size = 2;
            }
            if (size == 0 && kSingles.find(c) != std::string_view::npos)
                size = 1;
            if (size == 0)
                return false;
            token.text = rest.substr(0, size);
            at += size;
        }
        tokens.push_back(std::move(token));
    }
    return true;
}

// A number, a name, or a parenthesised or called whole: nothing around it
// can bind into it.
bool IsOneOperand(const std::vector<Token>& tokens)
{
    if (tokens.size() == 1)
        return tokens[0].kind != Token::Kind::Punct;
    const std::size_t open = tokens.size() > 2 && tokens[0].kind == Token::Kind::Name ? 1 : 0;
    if (tokens.size() < open + 2 || !tokens[open].Is("("))
        return false;
    int depth = 0;
    for (std::size_t t = open; t < tokens.size(); ++t) {
        depth += tokens[t].Is("(") ? 1 : tokens[t].Is(")") ? -1 : 0;
        if (depth == 0)
            return t + 1 == tokens.size();
    }
    return false;
}

Token KnownToken(const ConstantValue& known)
{
    Token token;
    token.kind = Token::Kind::Number;
    token.value = Value{known.Bits, known.Unsigned, known.Wide};
    return token;
}

bool ParseWhole(const std::vector<Token>& tokens, const MacroTable& macros, Value& value);

bool IsAlwaysBuiltIn(std::string_view name)
{
    return name == "HRESULT_FROM_WIN32" || name == "__HRESULT_FROM_WIN32";
}

// Macro expansion as the preprocessor does it, closely enough for the
// values of codes: a macro is not expanded again inside its own expansion,
// arguments are expanded before they are put in, except beside ##.
class Expander {
public:
    explicit Expander(const MacroTable& macros_) : macros(macros_) {}

    bool Expand(const std::vector<Token>& in, std::vector<Token>& out, int depth)
    {
        if (depth > kMaxExpansionDepth)
            return false;
        for (std::size_t i = 0; i < in.size(); ++i) {
            const Token& token = in[i];
            const MacroDefinition* macro =
                token.kind == Token::Kind::Name && !IsAlwaysBuiltIn(token.text) ? macros.Find(token.text) : nullptr;
            if (macro != nullptr && IsActive(token.text))
                macro = nullptr;
            if (macro != nullptr && macro->FunctionLike && !(i + 1 < in.size() && in[i + 1].Is("(")))
                macro = nullptr;
            if (macro == nullptr) {
                if (!Emit(token, out))
                    return false;
                continue;
            }
            std::vector<Token> replaced;
            if (!macro->FunctionLike) {
                if (macro->Known) {
                    if (!Emit(KnownToken(*macro->Known), out))
                        return false;
                    continue;
                }
                if (!Tokenize(macro->Body, replaced))
                    return false;
            } else if (!Substitute(*macro, in, i, replaced, depth)) {
                return false;
            }
            active.push_back(token.text);
            std::vector<Token> expanded;
            const bool fine = Expand(replaced, expanded, depth + 1);
            active.pop_back();
            if (!fine)
                return false;
            // A body that is one operand has the same value wherever it
            // stands, so its value is kept for the next use. A value is
            // never kept from a failure, which a context may not share.
            if (!macro->FunctionLike && IsOneOperand(replaced)) {
                Value value;
                if (ParseWhole(expanded, macros, value)) {
                    macro->Known = ConstantValue{value.bits, value.isUnsigned, value.wide};
                    out.push_back(KnownToken(*macro->Known));
                    continue;
                }
            }
            out.insert(out.end(), std::make_move_iterator(expanded.begin()), std::make_move_iterator(expanded.end()));
        }
        return true;
    }

private:
    bool IsActive(std::string_view name) const
    {
        for (const std::string_view a : active) {
            if (a == name)
                return true;
        }
        return false;
    }

    bool Emit(const Token& token, std::vector<Token>& out)
    {
        if (++produced > kMaxTokens)
            return false;
        out.push_back(token);
        return true;
    }

    // The arguments of the call whose name is at in[at]; at ends on its ')'.
    static bool Arguments(const std::vector<Token>& in, std::size_t& at, std::vector<std::vector<Token>>& arguments)
    {
        arguments.emplace_back();
        int open = 0;
        for (at += 2; at < in.size(); ++at) {
            const Token& token = in[at];
            if (token.Is(")") && open == 0)
                return true;
            if (token.Is(",") && open == 0) {
                arguments.emplace_back();
                continue;
            }
            if (token.Is("("))
                ++open;
            else if (token.Is(")"))
                --open;
            arguments.back().push_back(token);
        }
        return false;
    }

    bool Substitute(const MacroDefinition& macro, const std::vector<Token>& in, std::size_t& at,
                    std::vector<Token>& replaced, int depth)
    {
        std::vector<std::vector<Token>> raw;
        if (!Arguments(in, at, raw))
            return false;
        if (macro.Parameters.empty() && raw.size() == 1 && raw[0].empty())
            raw.clear();
        if (raw.size() != macro.Parameters.size())
            return false;
        std::vector<std::vector<Token>> expanded(raw.size());
        for (std::size_t a = 0; a < raw.size(); ++a) {
            if (!Expand(raw[a], expanded[a], depth + 1))
                return false;
        }
        std::vector<Token> body;
        if (!Tokenize(macro.Body, body))
            return false;

        bool paste = false;
        bool leftEmpty = false; // an empty argument before ## pastes nothing
        for (std::size_t b = 0; b < body.size(); ++b) {
            if (body[b].Is("##")) {
                if (b == 0 || b + 1 == body.size())
                    return false;
                paste = true;
                continue;
            }
            if (body[b].Is("#"))
                return false; // makes a string
            const bool besidePaste = (b > 0 && body[b - 1].Is("##")) || (b + 1 < body.size() && body[b + 1].Is("##"));
            // The body's token, or the argument a parameter stands for.
            std::span<const Token> piece(&body[b], 1);
            for (std::size_t p = 0; p < macro.Parameters.size(); ++p) {
                if (body[b].kind == Token::Kind::Name && body[b].text == macro.Parameters[p])
                    piece = besidePaste ? raw[p] : expanded[p];
            }
            if (paste && !leftEmpty && !piece.empty()) {
                std::vector<Token> joined;
                pasted.push_back(std::string(replaced.back().text).append(piece.front().text));
                if (!Tokenize(pasted.back(), joined) || joined.size() != 1)
                    return false;
                replaced.back() = joined.front();
                piece = piece.subspan(1);
            }
            // Empty pasted to empty stays empty, as C's placemarkers do.
            leftEmpty = piece.empty() && (!paste || leftEmpty);
            for (const Token& token : piece) {
                if (++produced > kMaxTokens)
                    return false;
                replaced.push_back(token);
            }
            paste = false;
        }
        return true;
    }

    const MacroTable& macros;
    std::vector<std::string_view> active;
    // The texts ## makes, which the tokens made of them point into.
    std::list<std::string> pasted; // no allocation while there are none
    int produced = 0;
};

enum class IntType { Signed8, Unsigned8, Signed16, Unsigned16, Signed32, Unsigned32, Signed64, Unsigned64 };

// Windows' integer typedefs with their widths, and C's words of a type.
constexpr std::pair<std::string_view, int> kUnsigned[] = {
    {"DWORD", 32},   {"ULONG", 32},  {"UINT", 32},   {"UINT32", 32},    {"ULONG32", 32},   {"DWORD32", 32},
    {"WORD", 16},    {"USHORT", 16}, {"BYTE", 8},    {"UCHAR", 8},      {"ULONGLONG", 64}, {"DWORD64", 64},
    {"ULONG64", 64}, {"UINT64", 64}, {"size_t", 64}, {"ULONG_PTR", 64}, {"DWORD_PTR", 64}, {"UINT_PTR", 64}};
constexpr std::pair<std::string_view, int> kSigned[] = {
    {"HRESULT", 32}, {"NTSTATUS", 32}, {"SCODE", 32},  {"LONG", 32},     {"INT", 32},    {"BOOL", 32},
    {"LSTATUS", 32}, {"INT32", 32},    {"LONG32", 32}, {"int", 32},      {"signed", 32}, {"SHORT", 16},
    {"short", 16},   {"CHAR", 8},      {"char", 8},    {"LONGLONG", 64}, {"LONG64", 64}, {"INT64", 64},
    {"__int64", 64}, {"LONG_PTR", 64}, {"INT_PTR", 64}};
constexpr std::string_view kKeywords[] = {"unsigned", "signed",  "long",  "int",     "short",
                                          "char",     "__int64", "const", "volatile"};

// The type a cast names, from the words in its parentheses: C's keywords
// and Windows' integer typedefs. Nothing when a word is neither and no
// keyword shows it is a type: (NAME) - 1 may be a subtraction from a value
// the loaded headers do not define, which must not be guessed.
std::optional<IntType> CastType(std::span<const Token> words)
{
    bool isUnsigned = false;
    bool keyword = false;
    bool allKnown = true;
    int width = 32;
    int longs = 0;
    for (const Token& word : words) {
        const std::string_view w = word.text;
        bool known = std::find(std::begin(kKeywords), std::end(kKeywords), w) != std::end(kKeywords);
        keyword = keyword || known;
        isUnsigned = isUnsigned || w == "unsigned";
        longs += w == "long" ? 1 : 0;
        for (const auto& [name, bits] : kUnsigned) {
            if (w == name) {
                known = isUnsigned = true;
                width = bits;
            }
        }
        for (const auto& [name, bits] : kSigned) {
            if (w == name) {
                known = true;
                width = bits;
            }
        }
        allKnown = allKnown && known;
    }
    if (!allKnown && !keyword)
        return std::nullopt;
    if (longs >= 2)
        width = 64;
    switch (width) {
    case 8: return isUnsigned ? IntType::Unsigned8 : IntType::Signed8;
    case 16: return isUnsigned ? IntType::Unsigned16 : IntType::Signed16;
    case 64: return isUnsigned ? IntType::Unsigned64 : IntType::Signed64;
    default: return isUnsigned ? IntType::Unsigned32 : IntType::Signed32;
    }
}

Value Cast(Value v, IntType type)
{
    switch (type) {
    case IntType::Signed8: return Value::Int(static_cast<std::int8_t>(v.bits));
    case IntType::Unsigned8: return Value::Int(static_cast<std::uint8_t>(v.bits));
    case IntType::Signed16: return Value::Int(static_cast<std::int16_t>(v.bits));
    case IntType::Unsigned16: return Value::Int(static_cast<std::uint16_t>(v.bits));
    case IntType::Signed32: return Value::Of(v.bits, false, false);
    case IntType::Unsigned32: return Value::Of(v.bits, true, false);
    case IntType::Signed64: return Value::Of(v.bits, false, true);
    case IntType::Unsigned64: return Value::Of(v.bits, true, true);
    }
    return v;
}

// The usual arithmetic conversions of two operands.
void Convert(Value& a, Value& b)
{
    const bool wide = a.wide || b.wide;
    bool isUnsigned = a.isUnsigned || b.isUnsigned;
    if (a.wide != b.wide)
        isUnsigned = a.wide ? a.isUnsigned : b.isUnsigned; // a 64-bit signed holds every 32-bit unsigned
    a = Value::Of(a.bits, isUnsigned, wide);
    b = Value::Of(b.bits, isUnsigned, wide);
}

bool IsLess(Value a, Value b)
{
    return a.isUnsigned ? a.bits < b.bits : a.Signed() < b.Signed();
}

// How deep the parse has gone, for as long as one level lasts.
class Depth {
public:
    explicit Depth(int& nesting_) : nesting(nesting_) { ++nesting; }
    ~Depth() { --nesting; }
    Depth(const Depth&) = delete;
    Depth& operator=(const Depth&) = delete;
    bool TooDeep() const { return nesting > kMaxNesting; }

private:
    int& nesting;
};

// Recursive descent over C's precedence. live is false inside the branch a
// ?:, && or || does not take, where C does not evaluate, so a division by
// zero there is no error.
class Parser {
public:
    Parser(const std::vector<Token>& tokens_, const MacroTable& macros_) : tokens(tokens_), macros(macros_) {}

    bool Whole(Value& result) { return Comma(result, true) && at == tokens.size(); }

private:
    const Token* Peek(std::size_t ahead = 0) const
    {
        return at + ahead < tokens.size() ? &tokens[at + ahead] : nullptr;
    }
    bool Take(std::string_view punct)
    {
        if (const Token* t = Peek(); t != nullptr && t->Is(punct)) {
            ++at;
            return true;
        }
        return false;
    }

    bool Comma(Value& v, bool live)
    {
        if (!Conditional(v, live))
            return false;
        while (Take(",")) {
            if (!Conditional(v, live))
                return false;
        }
        return true;
    }

    bool Conditional(Value& v, bool live)
    {
        const Depth depth(nesting);
        if (depth.TooDeep())
            return false;
        if (!Binary(v, 0, live))
            return false;
        if (!Take("?"))
            return true;
        const bool condition = !v.IsZero();
        Value yes;
        Value no;
        if (!Comma(yes, live && condition) || !Take(":") || !Conditional(no, live && !condition))
            return false;
        Convert(yes, no);
        v = condition ? yes : no;
        return true;
    }

    // Binary operators by level, from || (0) to * / % (9). Asked at every
    // level for every operand, so it reads the one or two characters
    // rather than comparing texts.
    static int Level(const Token& t)
    {
        if (t.kind != Token::Kind::Punct || t.text.empty() || t.text.size() > 2)
            return -1;
        const char first = t.text[0];
        const char second = t.text.size() == 2 ? t.text[1] : '\0';
        switch (first) {
        case '|': return second == '|' ? 0 : second == '\0' ? 2 : -1;
        case '&': return second == '&' ? 1 : second == '\0' ? 4 : -1;
        case '^': return second == '\0' ? 3 : -1;
        case '=': return second == '=' ? 5 : -1;
        case '!': return second == '=' ? 5 : -1;
        case '<':
        case '>': return second == first ? 7 : second == '\0' || second == '=' ? 6 : -1;
        case '+':
        case '-': return second == '\0' ? 8 : -1;
        case '*':
        case '/':
        case '%': return second == '\0' ? 9 : -1;
        default: return -1;
        }
    }

    // The operators of level lowest and above, by precedence climbing: an
    // operand takes one call however many levels there are, and each
    // operator binds to its left.
    bool Binary(Value& v, int lowest, bool live)
    {
        if (!Unary(v, live))
            return false;
        for (const Token* t = Peek(); t != nullptr && Level(*t) >= lowest; t = Peek()) {
            const int level = Level(*t);
            const std::string_view op = t->text;
            ++at;
            const bool rightLive = live && (op == "&&" ? !v.IsZero() : op == "||" ? v.IsZero() : true);
            Value right;
            if (!Binary(right, level + 1, rightLive) || !Apply(op, v, right, rightLive))
                return false;
        }
        return true;
    }

    static bool Apply(std::string_view op, Value& a, Value b, bool live)
    {
        if (op == "&&" || op == "||") {
            a = Value::Int(op == "&&" ? (!a.IsZero() && !b.IsZero()) : (!a.IsZero() || !b.IsZero()));
            return true;
        }
        if (op == "<<" || op == ">>") {
            // The result has the left operand's type.
            const bool negativeCount = !b.isUnsigned && b.Signed() < 0;
            if (negativeCount || b.bits >= static_cast<std::uint64_t>(a.Width())) {
                a = Value::Of(0, a.isUnsigned, a.wide);
                return !live;
            }
            if (op == "<<")
                a = Value::Of(a.bits << b.bits, a.isUnsigned, a.wide);
            else
                a = Value::Of(a.isUnsigned ? a.bits >> b.bits : static_cast<std::uint64_t>(a.Signed() >> b.bits),
                              a.isUnsigned, a.wide);
            return true;
        }
        Convert(a, b);
        if (op == "==" || op == "!=" || op == "<" || op == ">" || op == "<=" || op == ">=") {
            const bool equal = a.bits == b.bits;
            const bool less = IsLess(a, b);
            const bool result = op == "=="   ? equal
                                : op == "!=" ? !equal
                                : op == "<"  ? less
                                : op == ">"  ? !less && !equal
                                : op == "<=" ? less || equal
                                             : !less;
            a = Value::Int(result);
            return true;
        }
        if (op == "/" || op == "%") {
            const bool overflow =
                !a.isUnsigned && b.Signed() == -1
                && a.bits == (a.wide ? std::uint64_t(1) << 63 : static_cast<std::uint64_t>(std::int64_t(INT32_MIN)));
            if (b.IsZero() || overflow) {
                a = Value::Of(0, a.isUnsigned, a.wide);
                return !live;
            }
            std::uint64_t r = 0;
            if (a.isUnsigned)
                r = op == "/" ? a.bits / b.bits : a.bits % b.bits;
            else
                r = static_cast<std::uint64_t>(op == "/" ? a.Signed() / b.Signed() : a.Signed() % b.Signed());
            a = Value::Of(r, a.isUnsigned, a.wide);
            return true;
        }
        std::uint64_t r = 0;
        switch (op[0]) {
        case '+': r = a.bits + b.bits; break;
        case '-': r = a.bits - b.bits; break;
        case '*': r = a.bits * b.bits; break;
        case '&': r = a.bits & b.bits; break;
        case '^': r = a.bits ^ b.bits; break;
        case '|': r = a.bits | b.bits; break;
        default: return false;
        }
        a = Value::Of(r, a.isUnsigned, a.wide);
        return true;
    }

    // ( words ) before an operand is a cast: the words, or none.
    std::span<const Token> CastAhead() const
    {
        if (Peek() == nullptr || !Peek()->Is("("))
            return {};
        std::size_t i = at + 1;
        while (i < tokens.size() && tokens[i].kind == Token::Kind::Name)
            ++i;
        if (i == at + 1 || i + 1 >= tokens.size() || !tokens[i].Is(")"))
            return {};
        const Token& next = tokens[i + 1];
        if (next.kind != Token::Kind::Punct || next.Is("(") || next.Is("-") || next.Is("+") || next.Is("~")
            || next.Is("!"))
            return std::span<const Token>(tokens).subspan(at + 1, i - at - 1);
        return {};
    }

    bool Unary(Value& v, bool live)
    {
        const Depth depth(nesting);
        if (depth.TooDeep())
            return false;
        for (const std::string_view op : {"-", "+", "~", "!"}) {
            if (!Take(op))
                continue;
            if (!Unary(v, live))
                return false;
            if (op == "!")
                v = Value::Int(v.IsZero());
            else if (op == "-")
                v = Value::Of(0 - v.bits, v.isUnsigned, v.wide);
            else if (op == "~")
                v = Value::Of(~v.bits, v.isUnsigned, v.wide);
            return true;
        }
        if (const std::span<const Token> words = CastAhead(); !words.empty()) {
            const std::optional<IntType> type = CastType(words);
            if (!type)
                return false;
            at += words.size() + 2;
            if (!Unary(v, live))
                return false;
            v = Cast(v, *type);
            return true;
        }
        return Primary(v, live);
    }

    bool Primary(Value& v, bool live)
    {
        const Token* t = Peek();
        if (t == nullptr)
            return false;
        if (t->kind == Token::Kind::Number) {
            v = t->value;
            ++at;
            return true;
        }
        if (t->Is("(")) {
            ++at;
            return Comma(v, live) && Take(")");
        }
        if (t->kind == Token::Kind::Name)
            return BuiltIn(v, live);
        return false;
    }

    // The macros whose meaning is known, left unexpanded by the expander:
    // HRESULT_FROM_WIN32 always, the others when no loaded header defines
    // them.
    bool BuiltIn(Value& v, bool live)
    {
        const std::string_view name = tokens[at].text;
        const bool known = IsAlwaysBuiltIn(name) || macros.Find(name) == nullptr;
        if (!known || !(Peek(1) != nullptr && Peek(1)->Is("(")))
            return false;
        // No built-in takes more than three arguments.
        std::array<Value, 3> arguments;
        std::size_t count = 0;
        at += 2;
        if (!Take(")")) {
            do {
                Value a;
                if (!Conditional(a, live) || count == arguments.size())
                    return false;
                arguments[count++] = a;
            } while (Take(","));
            if (!Take(")"))
                return false;
        }
        if (IsAlwaysBuiltIn(name) && count == 1) {
            const std::int32_t x = static_cast<std::int32_t>(arguments[0].bits);
            v = x <= 0 ? Value::Int(x)
                       : Value::Of((static_cast<std::uint32_t>(x) & 0xFFFFu) | 0x80070000u, false, false);
            return true;
        }
        if (name == "__MSABI_LONG" && count == 1) {
            v = arguments[0];
            return true;
        }
        if (name == "_HRESULT_TYPEDEF_" && count == 1) {
            v = Cast(arguments[0], IntType::Signed32);
            return true;
        }
        if ((name == "MAKE_HRESULT" || name == "MAKE_SCODE") && count == 3) {
            const std::uint32_t value = (static_cast<std::uint32_t>(arguments[0].bits) << 31)
                                        | (static_cast<std::uint32_t>(arguments[1].bits) << 16)
                                        | static_cast<std::uint32_t>(arguments[2].bits);
            v = Value::Of(value, false, false);
            return true;
        }
        return false;
    }

    const std::vector<Token>& tokens;
    const MacroTable& macros;
    std::size_t at = 0;
    int nesting = 0;
};

bool ParseWhole(const std::vector<Token>& tokens, const MacroTable& macros, Value& value)
{
    Parser parser(tokens, macros);
    return !tokens.empty() && parser.Whole(value);
}

std::optional<std::uint32_t> Evaluate(const std::vector<Token>& source, const MacroTable& macros)
{
    Expander expander(macros);
    // Most values need one allocation for their tokens, not one per
    // doubling.
    std::vector<Token> expanded;
    expanded.reserve(source.size() + 16);
    Value value;
    if (!expander.Expand(source, expanded, 0) || !ParseWhole(expanded, macros, value))
        return std::nullopt;
    return static_cast<std::uint32_t>(value.bits);
}

} // namespace

std::optional<std::uint32_t> EvaluateConstant(std::string_view expression, const MacroTable& macros)
{
    std::vector<Token> tokens;
    tokens.reserve(16);
    if (!Tokenize(expression, tokens))
        return std::nullopt;
    return Evaluate(tokens, macros);
}

std::optional<std::uint32_t> EvaluateDefine(std::string_view name, const MacroTable& macros)
{
    const MacroDefinition* macro = macros.Find(name);
    if (macro == nullptr || macro->FunctionLike)
        return std::nullopt;
    Token token;
    token.kind = Token::Kind::Name;
    token.text = name;
    return Evaluate({token}, macros);
}

bool Is32BitTypeWord(std::string_view word)
{
    if (word == "unsigned" || word == "long")
        return true;
    using Types = std::span<const std::pair<std::string_view, int>>;
    for (const Types types : {Types(kUnsigned), Types(kSigned)}) {
        for (const auto& [name, bits] : types) {
            if (word == name)
                return bits == 32;
        }
    }
    return false;
}
