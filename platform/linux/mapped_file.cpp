#include "mapped_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

std::optional<MappedFile> MappedFile::Open(const std::string& path, std::uint64_t limit)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat info {};
    const bool usable = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0
                        && static_cast<std::uint64_t>(info.st_size) <= limit;
    void* address =
        usable ? ::mmap(nullptr, static_cast<std::size_t>(info.st_size), PROT_READ, MAP_PRIVATE, fd, 0) : MAP_FAILED;
    ::close(fd);
    if (address == MAP_FAILED)
        return std::nullopt;
    return MappedFile(static_cast<const std::uint8_t*>(address), static_cast<std::size_t>(info.st_size));
}

MappedFile::MappedFile(MappedFile&& other) noexcept : address_(other.address_), size_(other.size_)
{
    other.address_ = nullptr;
    other.size_ = 0;
}

MappedFile::~MappedFile()
{
    if (address_ != nullptr)
        ::munmap(const_cast<std::uint8_t*>(address_), size_);
}
