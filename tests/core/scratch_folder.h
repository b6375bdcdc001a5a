// A new, empty folder under the system's temporary folder, for one test.
#pragma once

#include <filesystem>
#include <random>
#include <string>

// The folder's path, or an empty text when none could be made.
inline std::string MakeScratchFolder(const std::string& stem)
{
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::filesystem::path folder =
            std::filesystem::temp_directory_path() / (stem + "-" + std::to_string(random()));
        std::error_code error;
        if (std::filesystem::create_directory(folder, error))
            return folder.generic_string();
    }
    return {};
}
