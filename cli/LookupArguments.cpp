#include "cli/LookupArguments.h"

#include "lookup/CodeFamily.h"
#include "platform/message_language.h"

#include <algorithm>
#include <string_view>

// The Windows program has no window beside it, so no settings to read.
#ifdef _WIN32
#define VANTREL_SETTINGS_SOURCE                                                                                        \
    "error headers of mingw-w64, evaluated when the program was built) or in the\n"                                    \
    "headers given with --header.\n"
#else
#define VANTREL_SETTINGS_SOURCE                                                                                        \
    "error headers of mingw-w64, evaluated when the program was built) and in the\n"                                   \
    "headers selected in vantrel.dat.\n"
#endif

const char* const kLookupUsage =
    "Usage: vantrel-lookup [options] TERM...\n"
    "       vantrel-lookup [options] --scan\n"
    "       vantrel-lookup [options] --message CODE\n"
    "       vantrel-lookup [options] --annotate [FILE...]\n"
    "       vantrel-lookup [options] --text WORDS\n"
    "\n"
    "Looks up Windows error codes of every family in the built-in catalogue (the\n" VANTREL_SETTINGS_SOURCE
    "\n"
    "A TERM is a code or a name:\n"
    "  0x80070005, C0000005   hexadecimal (0x, or hex digits with a letter A-F)\n"
    "  5, -2147024891         decimal, signed or not, taken as 32 bits\n"
    "  80004005               eight digits: decimal and hexadecimal both\n"
    "  E_ACCESSDENIED         a name, in any case\n"
    "\n"
    "Options:\n"
    "  --hex            read every number as hexadecimal (10 is 0x10)\n"
    "  --substring      a name finds every name that contains it\n"
    "  --header FILE    read FILE instead of the catalogue and the selected\n"
    "                   headers (repeatable)\n"
    "  --prefix P       take names that start with P instead of the selected\n"
    "                   prefixes (repeatable)\n"
    "  --family NAME    report only the definitions of family NAME (repeatable):\n"
    "                   win32, hresult, ntstatus, netmgmt, wininet, winhttp,\n"
    "                   directx, mediafoundation, windowsupdate, oledb, header\n"
    "  --scan           print every code of the headers, one tab-separated line\n"
    "                   each: mnemonic, code, facility, severity, N, header, line,\n"
    "                   byte offset and length of the line\n"
    "  --message CODE   print only the system's message text for CODE\n"
    "  --annotate       print the text of each FILE (standard input without one,\n"
    "                   or for -) with a line under each line that holds codes\n"
    "                   for each code: as written, names, family and message\n"
    "  --text WORDS     list the codes whose name or message text holds every\n"
    "                   word, in any case (in the user's language and English)\n"
    "  --lang LIST      give the messages in each language of LIST as well,\n"
    "                   side by side: de,en (and search those with --text)\n"
    "  --json           print the same as one JSON document\n"
    "  --help           print this text\n"
    "  --version        print the version\n"
    "\n"
    "Exit status: 0 when every term was found (for --annotate: the text was\n"
    "read, codes or not; for --text: a code was found), 1 when one was not,\n"
    "2 for a bad command line, a header or file that cannot be read, or output\n"
    "that cannot be written.\n";

namespace {

std::string FamilyKeys()
{
    std::string keys;
    for (const CodeFamily family : AllFamilies())
        keys += std::string(keys.empty() ? "" : ", ") + std::string(FamilyKey(family));
    return keys;
}

// --name VALUE or --name=VALUE; false when args holds no value for it.
bool TakeValue(const std::vector<std::string>& args, std::size_t& i, std::string_view name, std::string& value,
               bool& matched)
{
    const std::string_view arg = args[i];
    matched = false;
    if (arg == name) {
        matched = true;
        if (i + 1 == args.size())
            return false;
        value = args[++i];
        return true;
    }
    if (arg.size() > name.size() && arg.starts_with(name) && arg[name.size()] == '=') {
        matched = true;
        value = std::string(arg.substr(name.size() + 1));
        return true;
    }
    return true;
}

// de,en,pt_BR: each as a locale names it.
bool ReadLanguages(const std::string& list, std::vector<MessageLanguage>& languages, std::string& problem)
{
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string tag = list.substr(start, comma - start);
        const std::uint16_t id = tag.empty() ? 0 : LanguageFromLocaleName(tag);
        if (id == 0) {
            problem = "unknown language '" + tag + "' in --lang; give names such as de,en or pt_BR";
            return false;
        }
        languages.push_back({tag, id});
        start = comma + 1;
    }
    return true;
}

constexpr std::string_view ValueOptions[] = {"--header", "--prefix", "--message", "--family", "--text", "--lang"};

} // namespace

std::optional<LookupArguments> ReadLookupArguments(const std::vector<std::string>& args, std::string& problem)
{
    LookupArguments read;
    bool scan = false;
    bool message = false;
    bool annotate = false;
    bool text = false;
    bool onlyTerms = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // A negative decimal is a term, not an option.
        const bool number = arg.size() > 1 && arg[0] == '-' && arg[1] >= '0' && arg[1] <= '9';
        if (onlyTerms || arg.empty() || arg[0] != '-' || number || arg == "-") {
            read.Terms.push_back(arg);
            continue;
        }
        if (arg == "--") {
            onlyTerms = true;
        } else if (arg == "--help" || arg == "-h") {
            read.Run = LookupArguments::Mode::Help;
            return read;
        } else if (arg == "--version") {
            read.Run = LookupArguments::Mode::Version;
            return read;
        } else if (arg == "--hex") {
            read.Options.AllHex = true;
        } else if (arg == "--substring") {
            read.Options.Substring = true;
        } else if (arg == "--json") {
            read.Json = true;
        } else if (arg == "--scan") {
            scan = true;
        } else if (arg == "--annotate") {
            annotate = true;
        } else {
            std::string value;
            bool matched = false;
            for (const std::string_view name : ValueOptions) {
                if (!TakeValue(args, i, name, value, matched)) {
                    problem = std::string(name) + " needs a value";
                    return std::nullopt;
                }
                if (!matched)
                    continue;
                if (value.empty()) {
                    problem = std::string(name) + " needs a value";
                    return std::nullopt;
                }
                if (name == "--header") {
                    read.Headers.push_back(value);
                } else if (name == "--prefix") {
                    read.Prefixes.push_back(value);
                } else if (name == "--family") {
                    const std::optional<CodeFamily> family = FamilyOfKey(value);
                    if (!family) {
                        problem = "unknown family '" + value + "'; the families are " + FamilyKeys();
                        return std::nullopt;
                    }
                    read.Options.Families.push_back(*family);
                } else if (name == "--text") {
                    text = true;
                    read.TextWords = value;
                } else if (name == "--lang") {
                    if (!ReadLanguages(value, read.Options.Languages, problem))
                        return std::nullopt;
                } else {
                    message = true;
                    read.MessageCode = value;
                }
                break;
            }
            if (!matched) {
                problem = "unknown option " + arg;
                return std::nullopt;
            }
        }
    }
    const std::pair<bool, const char*> modes[] = {
        {scan, "--scan"}, {message, "--message"}, {annotate, "--annotate"}, {text, "--text"}};
    const char* chosen = nullptr;
    for (const auto& [given, name] : modes) {
        if (!given)
            continue;
        if (chosen != nullptr) {
            problem = std::string(chosen) + " and " + name + " cannot be used together";
            return std::nullopt;
        }
        chosen = name;
    }
    if ((scan || message || text) && !read.Terms.empty()) {
        problem = std::string(chosen) + " takes no terms";
        return std::nullopt;
    }
    if (scan)
        read.Run = LookupArguments::Mode::Scan;
    else if (message)
        read.Run = LookupArguments::Mode::Message;
    else if (annotate)
        read.Run = LookupArguments::Mode::Annotate;
    else if (text)
        read.Run = LookupArguments::Mode::Text;
    else if (read.Terms.empty()) {
        problem = "no term to look up";
        return std::nullopt;
    }
    return read;
}

bool AsksForJson(const std::vector<std::string>& args)
{
    for (std::size_t i = 0; i < args.size() && args[i] != "--"; ++i) {
        if (args[i] == "--json")
            return true;
        if (std::find(std::begin(ValueOptions), std::end(ValueOptions), args[i]) != std::end(ValueOptions))
            ++i;
    }
    return false;
}
