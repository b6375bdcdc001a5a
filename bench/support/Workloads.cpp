#include "Workloads.h"

#include "settings/TSettings.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {

std::filesystem::path IncludeTree()
{
    if (const char* place = std::getenv("VANTREL_BENCH_INCLUDE"))
        return place;
    return "/usr/share/mingw-w64/include";
}

std::uint64_t SizeOf(const std::vector<std::string>& paths)
{
    std::uint64_t total = 0;
    for (const std::string& path : paths) {
        std::error_code error;
        const auto size = std::filesystem::file_size(path, error);
        if (!error)
            total += size;
    }
    return total;
}

std::string MissingTree(const std::filesystem::path& tree)
{
    return "no header tree at " + tree.string() + " (Debian package mingw-w64-common)";
}

Workload MakeW1()
{
    Workload w;
    w.Name = "W1";
    const std::filesystem::path header = IncludeTree() / "winerror.h";
    if (!std::filesystem::is_regular_file(header)) {
        w.Missing = MissingTree(IncludeTree());
        return w;
    }
    w.Headers.push_back(header.string());
    const TSettings defaults(nullptr);
    defaults.ErrorsOptions.Prefixes.CopyTo(w.Prefixes);
    w.Bytes = SizeOf(w.Headers);
    return w;
}

Workload MakeW2()
{
    Workload w;
    w.Name = "W2";
    const std::filesystem::path tree = IncludeTree();
    std::error_code error;
    for (std::filesystem::recursive_directory_iterator it(tree, error), end; !error && it != end; it.increment(error)) {
        if (it->is_regular_file() && it->path().extension() == ".h")
            w.Headers.push_back(it->path().string());
    }
    if (w.Headers.empty()) {
        w.Missing = MissingTree(tree);
        return w;
    }
    std::sort(w.Headers.begin(), w.Headers.end());
    for (char c = 'A'; c <= 'Z'; ++c)
        w.Prefixes.emplace_back(1, c);
    w.Prefixes.emplace_back("_");
    w.Bytes = SizeOf(w.Headers);
    return w;
}

} // namespace

const Workload& W1()
{
    static const Workload w = MakeW1();
    return w;
}

const Workload& W2()
{
    static const Workload w = MakeW2();
    return w;
}

const Workload& WorkloadByIndex(int index)
{
    return index == 0 ? W1() : W2();
}

SelectedList::SelectedList(const std::vector<std::string>& texts)
{
    for (const std::string& text : texts)
        List.Add(text.c_str());
    Flags.assign(static_cast<std::size_t>(List.Count()), 1);
}

bool UsableWorkload(benchmark::State& state, const Workload& w)
{
    if (w.Missing.empty())
        return true;
    state.SkipWithError(w.Missing.c_str());
    return false;
}
