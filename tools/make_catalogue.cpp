// Writes the built-in catalogue: every code of the error headers of
// mingw-w64, each define evaluated as the compiler would, and the facility
// names of winerror.h and ntstatus.h, as C++ data.
//   make_catalogue <include folder> <output .cpp>
// Runs on the build machine while the program is built.
#include "catalogue/ConstantExpression.h"
#include "lookup/BuiltInCatalogue.h"
#include "lookup/CatalogueRules.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

struct Define {
    std::size_t Header;
    std::uint32_t Line;
    NamedMacro Macro;
};

bool ReadHeader(const std::string& path, std::size_t header, MacroTable& macros, std::vector<Define>& defines)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::string line;
    for (std::uint32_t number = 1; std::getline(in, line); ++number) {
        std::optional<NamedMacro> macro = ReadDefineLine(line.data(), line.size());
        if (!macro)
            continue;
        macros.Add(macro->Name, macro->Definition);
        if (!macro->Definition.FunctionLike)
            defines.push_back({header, number, std::move(*macro)});
    }
    return !in.bad();
}

// Facility numbers with their names, FACILITY_ left off.
using Facilities = std::map<std::uint32_t, std::string>;

void WriteFacilities(std::ostream& out, const char* table, const Facilities& facilities)
{
    out << "extern const BuiltInFacility " << table << "[] = {\n";
    for (const auto& [number, name] : facilities)
        out << "    {" << number << "u, \"" << name << "\"},\n";
    out << "};\nextern const std::size_t " << table << "Count = " << facilities.size() << ";\n";
}

void Write(std::ostream& out, const std::vector<BuiltInCode>& codes, const std::string& names,
           const Facilities& hresultFacilities, const Facilities& ntStatusFacilities)
{
    out << "// Written by tools/make_catalogue.cpp from the headers of mingw-w64.\n"
           "#include \"lookup/BuiltInCatalogue.h\"\n\n#include <cstddef>\n\n"
           "extern const BuiltInCode kBuiltInCodes[] = {\n";
    for (const BuiltInCode& c : codes) {
        out << "    {" << c.NameOffset << "u, 0x" << std::hex << c.Value << std::dec << "u, " << c.Line << "u, "
            << unsigned(c.Header) << ", static_cast<CodeFamily>(" << unsigned(c.Family) << ")},\n";
    }
    out << "};\nextern const std::size_t kBuiltInCodeCount = " << codes.size() << ";\n"
        << "extern const char kBuiltInNames[] =\n";
    for (std::size_t start = 0; start < names.size();) {
        const std::size_t end = names.find('\0', start);
        out << "    \"" << names.substr(start, end - start) << "\\0\"\n";
        start = end + 1;
    }
    out << "    \"\";\n";
    WriteFacilities(out, "kHResultFacilities", hresultFacilities);
    WriteFacilities(out, "kNtStatusFacilities", ntStatusFacilities);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: make_catalogue <include folder> <output .cpp>\n";
        return 2;
    }
    const std::string folder = argv[1];
    MacroTable macros;
    std::vector<Define> defines;
    const std::span<const std::string_view> headers = CatalogueHeaders();
    for (std::size_t h = 0; h < headers.size(); ++h) {
        const std::string path = folder + "/" + std::string(headers[h]);
        if (!ReadHeader(path, h, macros, defines)) {
            std::cerr << "make_catalogue: cannot read " << path << " (package mingw-w64-common)\n";
            return 1;
        }
    }

    // A name defined again with the same value, under another condition of
    // the same header, is one code.
    std::set<std::tuple<std::string, std::size_t, std::uint32_t>> seen;
    std::vector<BuiltInCode> codes;
    std::string names;
    Facilities facilities[2];
    for (const Define& d : defines) {
        const std::optional<std::uint32_t> value = EvaluateConstant(d.Macro.Definition.Body, macros);
        if (!value)
            continue;
        // Where several names share a number (FACILITY_SSPI and
        // FACILITY_SECURITY are both 9), the first in the header names it.
        if (const std::optional<FacilityKind> kind = FacilityKindOfDefine(headers[d.Header], d.Macro.Name, *value))
            facilities[static_cast<std::size_t>(*kind)].emplace(
                *value, d.Macro.Name.substr(std::string_view("FACILITY_").size()));
        const std::optional<CodeFamily> family =
            CodeFamilyOfDefine(headers[d.Header], d.Macro.Name, d.Macro.Definition.Body, *value);
        if (!family || !seen.emplace(d.Macro.Name, d.Header, *value).second)
            continue;
        codes.push_back(
            {static_cast<std::uint32_t>(names.size()), *value, d.Line, static_cast<std::uint8_t>(d.Header), *family});
        names += d.Macro.Name;
        names += '\0';
    }

    std::ostringstream text;
    Write(text, codes, names, facilities[static_cast<std::size_t>(FacilityKind::HResult)],
          facilities[static_cast<std::size_t>(FacilityKind::NtStatus)]);
    // Written only when it changes, so that a new build compiles nothing.
    const std::string output = argv[2];
    std::ifstream old(output, std::ios::binary);
    std::stringstream oldText;
    oldText << old.rdbuf();
    if (old && oldText.str() == text.str())
        return 0;
    std::ofstream out(output, std::ios::binary | std::ios::trunc);
    out << text.str();
    if (!out.flush()) {
        std::cerr << "make_catalogue: cannot write " << output << '\n';
        return 1;
    }
    return 0;
}
