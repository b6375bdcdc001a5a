// Little-endian reads from an untrusted byte range. Every read is checked
// against the range, so a damaged file yields "absent" rather than a read
// past its end; offsets are 64-bit so that offset + length cannot wrap.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

class ByteView {
public:
    ByteView() = default;
    explicit ByteView(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t Size() const { return bytes_.size(); }
    std::span<const std::uint8_t> Bytes() const { return bytes_; }

    bool Contains(std::uint64_t offset, std::uint64_t length) const
    {
        return offset <= bytes_.size() && length <= bytes_.size() - offset;
    }

    std::optional<ByteView> Slice(std::uint64_t offset, std::uint64_t length) const
    {
        if (!Contains(offset, length))
            return std::nullopt;
        return ByteView(bytes_.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(length)));
    }

    std::optional<std::uint16_t> U16(std::uint64_t offset) const
    {
        if (!Contains(offset, 2))
            return std::nullopt;
        const std::uint8_t* p = bytes_.data() + offset;
        return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
    }

    std::optional<std::uint32_t> U32(std::uint64_t offset) const
    {
        if (!Contains(offset, 4))
            return std::nullopt;
        const std::uint8_t* p = bytes_.data() + offset;
        return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8)
               | (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
    }

private:
    std::span<const std::uint8_t> bytes_;
};
