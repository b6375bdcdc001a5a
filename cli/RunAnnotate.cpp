#include "cli/RunAnnotate.h"

#include "cli/JsonOutput.h"
#include "cli/RunLookup.h"
#include "lookup/IndexVocabulary.h"
#include "lookup/LogCodeReports.h"
#include "lookup/LogLines.h"
#include "lookup/ReportText.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fcntl.h>
#include <unistd.h>

namespace {

#ifndef O_BINARY
constexpr int O_BINARY = 0;
#endif

constexpr std::size_t ReadSize = 1 << 16;

class AnnotatingSink final : public LogLineSink {
public:
    AnnotatingSink(const CodeIndex& index, const LookupArguments& arguments, const MessageLookup& messageOf,
                   const LanguageMessageLookup& messageIn, std::ostream& out_)
        : vocabulary(index), reports(index, arguments.Options, messageOf, messageIn), json(arguments.Json), out(out_)
    {
    }

    void Start(const std::string& name)
    {
        file = nlohmann::json(name).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    }

    void Text(std::string_view bytes) override
    {
        if (!json)
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    void LineEnd(std::uint64_t number, std::string_view searched) override
    {
        FindLogCodes(searched, vocabulary, codes);
        if (lineEndMissing && !codes.empty() && !json)
            out << '\n';
        for (const LogCode& code : codes) {
            const std::string_view token = searched.substr(code.Column, code.Length);
            LogCodeReports::Entry& entry = reports.For(code, token);
            if (json) {
                if (entry.Kept.empty())
                    entry.Kept = AnnotationJson(token, LogCodeReading(code.Form), entry.Report);
                out << "{\"file\":" << file << ",\"line\":" << number << ",\"column\":" << code.Column + 1 << ','
                    << entry.Kept << "}\n";
            } else {
                if (entry.Kept.empty())
                    entry.Kept = AnnotationLine(entry.Report);
                out << entry.Kept;
            }
        }
    }

    // A last line without a line end gets one before its codes, and only
    // then.
    bool lineEndMissing = false;

private:
    IndexVocabulary vocabulary;
    LogCodeReports reports;
    bool json;
    std::ostream& out;
    std::string file;
    std::vector<LogCode> codes;
};

// Errno of the failure, 0 when the whole file was read.
int Annotate(int descriptor, LogLines& lines, AnnotatingSink& sink, std::ostream& out)
{
    std::array<char, ReadSize> buffer;
    bool lastEnded = true;
    for (;;) {
        const ssize_t got = ::read(descriptor, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return errno;
        if (got == 0)
            break;
        lines.Feed({buffer.data(), static_cast<std::size_t>(got)});
        lastEnded = buffer[static_cast<std::size_t>(got) - 1] == '\n';
        if (!out)
            return 0; // the output is lost; the caller reports it
    }
    sink.lineEndMissing = !lastEnded;
    lines.Finish();
    sink.lineEndMissing = false;
    return 0;
}

} // namespace

int RunAnnotate(const LookupArguments& arguments, const CodeIndex& index, const MessageLookup& messageOf,
                const LanguageMessageLookup& messageIn, int input, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> files = arguments.Terms;
    if (files.empty())
        files.push_back("-");
    AnnotatingSink sink(index, arguments, messageOf, messageIn, out);
    int status = kLookupFound;
    for (const std::string& name : files) {
        const bool standardInput = name == "-";
        const int descriptor = standardInput ? input : ::open(name.c_str(), O_RDONLY | O_BINARY);
        int error = descriptor < 0 ? errno : 0;
        // Windows refuses to open a folder as access denied, which would
        // send the user looking at permissions.
        std::error_code ignored;
        if (error == EACCES && std::filesystem::is_directory(name, ignored))
            error = EISDIR;
        if (error == 0) {
            sink.Start(standardInput ? "-" : name);
            LogLines lines(sink);
            error = Annotate(descriptor, lines, sink, out);
            if (!standardInput)
                ::close(descriptor);
        }
        if (error != 0) {
            err << "vantrel-lookup: cannot read \"" << (standardInput ? "standard input" : name)
                << "\": " << std::strerror(error) << '\n';
            if (arguments.Json)
                out << nlohmann::json{{"file", name}, {"error", std::strerror(error)}}.dump() << '\n';
            status = kLookupFailed;
        }
        if (!out)
            break;
    }
    return status;
}
