// A regular file's bytes mapped read-only into memory, for reading a small
// part of a large file without copying the whole of it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

class MappedFile {
public:
    // Nothing for a file that cannot be opened, is not a regular file (a FIFO
    // or a device is never waited on), is empty, or is larger than limit.
    static std::optional<MappedFile> Open(const std::string& path, std::uint64_t limit);

    MappedFile(MappedFile&& other) noexcept;
    MappedFile& operator=(MappedFile&&) = delete;
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    ~MappedFile();

    std::span<const std::uint8_t> Bytes() const { return {address_, size_}; }

private:
    MappedFile(const std::uint8_t* address, std::size_t size) : address_(address), size_(size) {}

    const std::uint8_t* address_;
    std::size_t size_;
};
