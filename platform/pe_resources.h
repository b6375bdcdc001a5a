// Finding a resource by numeric type and name in a PE image's resource
// directory (type, then name, then language).
#pragma once

#include "pe_bytes.h"
#include "pe_image.h"

#include <cstdint>
#include <optional>
#include <vector>

struct ResourceLanguageData {
    std::uint16_t language;
    ByteView data;
};

// The data of each language of the resource, in directory order, each
// language once. An empty list when the image has no such resource; nothing
// when the directory on the way to it is damaged.
std::optional<std::vector<ResourceLanguageData>> FindResourceLanguages(const PeImage& image, std::uint16_t type,
                                                                       std::uint16_t name);
