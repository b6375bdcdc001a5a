// Shared by the settings tests: a fresh folder per test, whole-file reads and
// writes, a comparable snapshot of a TSettings, and the default file's bytes
// built by hand from the documented layout.
#pragma once

#include "platform/win32.h"
#include "platform/file_faults.h"
#include "platform/memory_faults.h"
#include "settings/TSettings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Bytes = std::vector<BYTE>;

extern const std::vector<std::string> DEFAULT_PREFIXES;

Bytes ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const Bytes& bytes);

// The 962 bytes the default settings must save to.
Bytes ExpectedDefaultFile();

struct Snapshot {
    std::vector<std::string> headers;
    Bytes headerFlags;
    std::vector<std::string> prefixes;
    Bytes prefixFlags;
    Bytes general; // without the padding, which means nothing
    Bytes copy;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const TSettings& settings);
Snapshot DefaultSnapshot();

// Changes every part of the record, so a file saved from it cannot be
// mistaken for the defaults.
void Customise(TSettings& settings);

// A list with items has a flag array at least as long; an empty one has none.
::testing::AssertionResult InStep(const TStringsStorage& list, const BYTE* flags);

class SettingsFolder : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::vector<std::string> FolderEntries() const;

    std::string folder;
    std::string path; // vantrel.dat inside folder
};
