// Helpers for the scanner tests: header files written to a private temporary
// folder, prefix lists, and a scan that gathers its rows.
#pragma once

#include "catalogue/CodeEntry.h"
#include "platform/win32_types.h"
#include "text/TStringsStorage.h"

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

class TempFolder {
public:
    TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();

    // Writes bytes to a file of that name in the folder and gives its path.
    std::string Write(const std::string& name, std::string_view bytes) const;
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

struct Prefixes {
    TStringsStorage List;
    std::vector<BYTE> Selected;

    // Every prefix selected.
    Prefixes(std::initializer_list<const char*> texts);
    const BYTE* Flags() const { return Selected.empty() ? nullptr : Selected.data(); }
};

struct ScanOutcome {
    DWORD Result;
    std::vector<CodeEntry> Rows;
};

ScanOutcome Scan(const std::string& path, const Prefixes& prefixes);
// Scans a header with these bytes, written to a temporary file "test.h".
ScanOutcome ScanBytes(std::string_view bytes, const Prefixes& prefixes);

// The 34 prefixes the program starts with.
Prefixes DefaultPrefixes();
