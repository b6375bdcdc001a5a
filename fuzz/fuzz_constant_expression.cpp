// The constant evaluator over arbitrary headers: every line but the last is
// a line of the loaded headers, the last an expression. Whatever the bytes,
// an evaluation ends within its bounds, and gives the same answer twice;
// every define's value, where it has one, is the value of its name used as
// an expression.
#include "FuzzCheck.h"

#include "catalogue/ConstantExpression.h"

#include <cctype>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    MacroTable macros;
    std::vector<std::string> names;
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string_view::npos; end = text.find('\n', start)) {
        const std::size_t before = macros.Size();
        macros.AddLine(text.data() + start, end - start);
        if (macros.Size() != before) {
            // The name is the first word after #define.
            const std::string_view line = text.substr(start, end - start);
            const std::size_t define = line.find("define");
            std::size_t from = define + 6;
            while (from < line.size() && (line[from] == ' ' || line[from] == '\t'))
                ++from;
            std::size_t to = from;
            while (to < line.size() && (std::isalnum(static_cast<unsigned char>(line[to])) || line[to] == '_'))
                ++to;
            names.emplace_back(line.substr(from, to - from));
        }
        start = end + 1;
    }
    const std::string_view expression = text.substr(start);
    FUZZ_CHECK(EvaluateConstant(expression, macros) == EvaluateConstant(expression, macros));
    for (const std::string& name : names) {
        const std::optional<std::uint32_t> value = EvaluateDefine(name, macros);
        if (value && !macros.Find(name)->FunctionLike) {
            FUZZ_CHECK(EvaluateConstant(name, macros) == value);
        }
    }
    return 0;
}
