// Where vantrel.dat lives. A copy of the program run from a folder of its
// own (the build folder, a portable copy) keeps the file beside its
// executable; an installed program, whose folder belongs to the system, keeps
// it in the user's settings folder.
#pragma once

#include "platform/user_folders.h"

#include <functional>
#include <string>

// What the rule asks of the system; tests stand in for either.
struct SettingsLocationServices {
    std::function<bool(const std::string& folder)> folderIsWritable = FolderIsWritable;
    EnvironmentLookup environment = ProcessEnvironment;
    // Makes the user's settings folder; empty for a caller that only reads
    // the file and must leave no folder behind.
    std::function<bool(const std::string& folder)> createFolder = CreateFolderPath;
};

// The full name of vantrel.dat for an executable in executableFolder (given
// without a separator at the end):
// - beside the executable when that folder already holds vantrel.dat or the
//   user may write to it, unless it is an installed program's folder (bin/
//   with the program's desktop entry under ../share), which the program
//   never writes to, whoever runs it;
// - else vantrel/vantrel.dat in the user's settings folder, which is created
//   here (by services.createFolder). When that cannot be made the name is
//   still returned: loading then gives the defaults and saving fails with the
//   reason.
std::string SettingsFilePath(const std::string& executableFolder, const SettingsLocationServices& services = {});
