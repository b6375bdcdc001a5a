// The folders of the user running the program, and the questions about
// folders that deciding where the settings live asks of the system.
#pragma once

#include <functional>
#include <string>

// Reads one environment variable: null when it is unset.
using EnvironmentLookup = std::function<const char*(const char* name)>;

// The process's own environment.
const char* ProcessEnvironment(const char* name);

// The user's folder for settings, as the XDG base directories define it:
// $XDG_CONFIG_HOME when it is an absolute path, else .config in the home
// folder ($HOME, or the user database when HOME is unset or not absolute).
// Empty when no home folder is known.
std::string UserConfigFolder(const EnvironmentLookup& environment);

// True when the calling user may create files in folder.
bool FolderIsWritable(const std::string& folder);

// Creates folder and every missing folder above it, those it creates readable
// by the user alone. True also when it exists already; false with the last
// error set otherwise.
bool CreateFolderPath(const std::string& folder);
