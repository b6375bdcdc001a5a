// The settings file with long lists: 2,000 headers and 200 prefixes, every
// other one selected.
#include "settings/TSettings.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

constexpr int kHeaders = 2000;
constexpr int kPrefixes = 200;

class TempSettingsFile {
public:
    TempSettingsFile()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "vantrel-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr)
            folder = pattern;
    }
    ~TempSettingsFile()
    {
        std::error_code ignored;
        if (!folder.empty())
            std::filesystem::remove_all(folder, ignored);
    }
    TempSettingsFile(const TempSettingsFile&) = delete;
    TempSettingsFile& operator=(const TempSettingsFile&) = delete;

    bool Made() const { return !folder.empty(); }
    std::string Path() const { return (folder / "vantrel.dat").string(); }

private:
    std::filesystem::path folder;
};

void FillLongLists(TSettings& settings)
{
    TSettings::tagErrorsOptions& lists = settings.ErrorsOptions;
    while (lists.Headers.Count() > 0)
        lists.RemoveHeader(0);
    while (lists.Prefixes.Count() > 0)
        lists.RemovePrefix(0);
    char text[128];
    for (int i = 0; i < kHeaders; ++i) {
        std::snprintf(text, sizeof text, "/usr/share/mingw-w64/include/some/folder/header_%04d.h", i);
        lists.AddHeader(text);
        lists.HeaderSelected[i] = static_cast<BYTE>(i % 2);
    }
    for (int i = 0; i < kPrefixes; ++i) {
        std::snprintf(text, sizeof text, "PREFIX_%03d_", i);
        lists.AddPrefix(text, false);
        lists.PrefixSelected[i] = static_cast<BYTE>(i % 2);
    }
}

void SaveLongLists(benchmark::State& state)
{
    TempSettingsFile file;
    TSettings settings(nullptr);
    FillLongLists(settings);
    if (!file.Made() || settings.ErrorsOptions.Headers.Count() != kHeaders) {
        state.SkipWithError("cannot set up the lists");
        return;
    }
    for (auto _ : state) {
        if (!settings.Save(file.Path().c_str())) {
            state.SkipWithError("the save failed");
            return;
        }
    }
}

void LoadLongLists(benchmark::State& state)
{
    TempSettingsFile file;
    {
        TSettings settings(nullptr);
        FillLongLists(settings);
        if (!file.Made() || !settings.Save(file.Path().c_str())) {
            state.SkipWithError("cannot write the settings file");
            return;
        }
    }
    for (auto _ : state) {
        // As at start: a failed load would leave the defaults.
        const TSettings settings(file.Path().c_str());
        if (settings.ErrorsOptions.Headers.Count() != kHeaders
            || settings.ErrorsOptions.Prefixes.Count() != kPrefixes) {
            state.SkipWithError("the load failed");
            return;
        }
    }
}

} // namespace

BENCHMARK(SaveLongLists)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadLongLists)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
