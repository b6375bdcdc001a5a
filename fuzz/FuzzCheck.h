// What the fuzz targets share: a broken invariant that stops the run (so
// libFuzzer keeps the input as a crash), and a scratch folder for the targets
// whose code under test reads files rather than memory.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition);                     \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (0)

// A private folder under TMPDIR for the whole run, removed at a normal exit.
// Inputs go there, never into the source tree.
class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "vantrel-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::perror("vantrel fuzz: cannot make a scratch folder");
            std::abort();
        }
        path_ = pattern;
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    std::string Path(const char* name) const { return (path_ / name).string(); }

    // Replaces the file's contents with the bytes and gives its path.
    std::string Write(const char* name, const std::uint8_t* data, std::size_t size) const
    {
        const std::string file = Path(name);
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        out.close();
        FUZZ_CHECK(out.good());
        return file;
    }

private:
    std::filesystem::path path_;
};
