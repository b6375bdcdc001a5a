// The built-in catalogue: which defines name codes, as a table, and every
// value checked by the compiler for Windows itself, which reads the same
// headers with its own preprocessor.
#include "lookup/BuiltInCatalogue.h"
#include "lookup/CatalogueRules.h"

#include "core/text/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace {

TEST(CatalogueRules, WhichDefinesNameCodes)
{
    const struct {
        const char* Header;
        const char* Name;
        const char* Expression;
        std::uint32_t Value;
        std::optional<CodeFamily> Family;
    } cases[] = {
        {"winerror.h", "ERROR_ACCESS_DENIED", "5L", 5, CodeFamily::Win32},
        {"winerror.h", "S_FALSE", "_HRESULT_TYPEDEF_(0x1L)", 1, CodeFamily::HResult},
        {"winerror.h", "NTE_FAIL", "0x80090020L", 0x80090020, CodeFamily::HResult},
        {"winerror.h", "FACILITY_WIN32", "7", 7, std::nullopt},
        {"winerror.h", "SEVERITY_ERROR", "1", 1, std::nullopt},
        {"winerror.h", "ERROR_SEVERITY_ERROR", "0xC0000000", 0xC0000000, std::nullopt},
        {"winerror.h", "DNS_ERROR_RESPONSE_CODES_BASE", "9000", 9000, std::nullopt},
        {"winerror.h", "DNS_ERROR_MASK", "0x00002328", 9000, std::nullopt},
        {"winerror.h", "OLE_E_FIRST", "0x80040000L", 0x80040000, std::nullopt},
        {"winerror.h", "OLE_E_LAST", "0x800400FFL", 0x800400FF, std::nullopt},
        {"winerror.h", "WSABASEERR", "10000", 10000, std::nullopt},
        {"winerror.h", "ERROR_LAST_ADMIN", "1393L", 1393, CodeFamily::Win32},
        {"winerror.h", "__IN__WINERROR_", "1", 1, std::nullopt},
        {"ntstatus.h", "STATUS_ACCESS_VIOLATION", "((NTSTATUS)0xC0000005L)", 0xC0000005, CodeFamily::NtStatus},
        {"lmerr.h", "NERR_BASE", "2100", 2100, std::nullopt},
        {"lmerr.h", "MAX_NERR", "(NERR_BASE+899)", 2999, std::nullopt},
        {"lmerr.h", "NERR_NetNotStarted", "(NERR_BASE+2)", 2102, CodeFamily::NetworkManagement},
        {"wininet.h", "ERROR_INTERNET_TIMEOUT", "(INTERNET_ERROR_BASE + 2)", 12002, CodeFamily::WinInet},
        {"wininet.h", "INTERNET_FLAG_RELOAD", "0x80000000", 0x80000000, std::nullopt},
        {"winhttp.h", "ERROR_WINHTTP_TIMEOUT", "(WINHTTP_ERROR_BASE + 2)", 12002, CodeFamily::WinHttp},
        {"d3d9.h", "D3DERR_INVALIDCALL", "MAKE_D3DHRESULT(2156)", 0x8876086C, CodeFamily::DirectX},
        {"d3d9.h", "D3DCREATE_FPU_PRESERVE", "0x2", 2, std::nullopt},
        {"mferror.h", "MF_E_INVALIDREQUEST", "_HRESULT_TYPEDEF_(0xC00D36B2L)", 0xC00D36B2, CodeFamily::MediaFoundation},
        {"wuerror.h", "WU_E_NO_SERVICE", "_HRESULT_TYPEDEF_(0x80240001L)", 0x80240001, CodeFamily::WindowsUpdate},
        {"oledberr.h", "DB_E_BADACCESSORHANDLE", "0x80040E00L", 0x80040E00, CodeFamily::OleDb},
        {"myheader.h", "ERROR_MINE", "5", 5, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CodeFamilyOfDefine(c.Header, c.Name, c.Expression, c.Value), c.Family) << c.Header << " " << c.Name;
}

TEST(CatalogueRules, WhichDefinesNameFacilities)
{
    const struct {
        const char* Header;
        const char* Name;
        std::uint32_t Value;
        std::optional<FacilityKind> Kind;
    } cases[] = {
        {"winerror.h", "FACILITY_DISPATCH", 2, FacilityKind::HResult},
        {"winerror.h", "FACILITY_NT_BIT", 0x10000000, std::nullopt},
        {"winerror.h", "FACILITY_AUDCLNT", 0x889, std::nullopt},
        {"ntstatus.h", "FACILITY_DEBUGGER", 1, FacilityKind::NtStatus},
        {"lmerr.h", "FACILITY_WIN32", 7, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FacilityKindOfDefine(c.Header, c.Name, c.Value), c.Kind) << c.Header << " " << c.Name;
    // Of two names for one number, the one the header defines first.
    EXPECT_EQ(HResultFacilityName(9), "SSPI");
}

#ifndef _WIN32
std::string Spelled(std::uint32_t value)
{
    std::ostringstream text;
    text << "0x" << std::hex << value << 'u';
    return text.str();
}

// The cross compiler for Windows, which reads the headers with its own
// preprocessor, is the reference the catalogue is checked against.
class WindowsCompiler : public testing::Test {
protected:
    void SetUp() override
    {
        if (std::system("command -v x86_64-w64-mingw32-g++ >/dev/null 2>&1") != 0)
            GTEST_SKIP() << "no x86_64-w64-mingw32-g++ (package g++-mingw-w64-x86-64-posix)";
        ASSERT_TRUE(folder.Made());
    }

    // What the compiler says of source, one message a line.
    std::string Errors(const std::string& source) const
    {
        std::ofstream(folder.File("check.cpp")) << source;
        const std::string log = folder.File("errors.txt");
        [[maybe_unused]] const int status =
            std::system(("x86_64-w64-mingw32-g++ -std=c++17 -fsyntax-only -w -fmax-errors=0 " + folder.File("check.cpp")
                         + " 2>" + log)
                            .c_str());
        std::stringstream text;
        text << std::ifstream(log).rdbuf();
        return text.str();
    }

    TempFolder folder;
};

// Each header in a unit of its own, as some cannot be included together,
// with a static_assert for each of its codes.
TEST_F(WindowsCompiler, EveryCatalogueValueIsTheCompilers)
{
    std::map<std::uint8_t, std::string> units;
    std::size_t codes = 0;
    for (const BuiltInCode& code : BuiltInCodes()) {
        const std::string name(BuiltInName(code));
        units[code.Header] +=
            "static_assert((unsigned)(" + name + ") == " + Spelled(code.Value) + ", \"" + name + "\");\n";
        ++codes;
    }
    ASSERT_GT(codes, 6000u);
    std::size_t wrong = 0;
    std::string report;
    for (const auto& [header, asserts] : units) {
        std::istringstream log(
            Errors("#include <windows.h>\n#include <" + std::string(CatalogueHeaders()[header]) + ">\n" + asserts));
        std::size_t other = 0;
        for (std::string line; std::getline(log, line);) {
            // A define under a condition the compiler's own headers leave
            // out (oledberr.h's DB_E_BOGUS without FACILITY_WINDOWS) has no
            // value to compare: it counts with the wrong ones.
            if (line.find("static assertion failed") != std::string::npos
                || line.find("was not declared") != std::string::npos) {
                ++wrong;
                report += line.substr(line.find("error:")) + "\n";
            } else if (line.find("error:") != std::string::npos) {
                ++other;
            }
        }
        EXPECT_EQ(other, 0u) << CatalogueHeaders()[header] << " does not compile";
    }
    EXPECT_LT(wrong * 100, codes) << "more than 1% differ from the compiler:\n" << report;
}

TEST_F(WindowsCompiler, FacilityNumbersAreTheCompilers)
{
    ASSERT_EQ(HResultFacilityName(2), "DISPATCH");
    ASSERT_FALSE(NtStatusFacilities().empty());
    std::string source = "#include <windows.h>\n#include <winerror.h>\n#include <ntstatus.h>\n";
    for (const std::span<const BuiltInFacility> table : {HResultFacilities(), NtStatusFacilities()}) {
        for (const BuiltInFacility& facility : table) {
            const std::string name = std::string("FACILITY_") + facility.Name;
            source += "static_assert((" + name + ") == " + Spelled(facility.Number) + ", \"" + name + "\");\n";
        }
    }
    EXPECT_EQ(Errors(source), "");
}
#endif

} // namespace
