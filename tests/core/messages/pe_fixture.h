// Small PE files with a message table, written by the tests so that every
// byte of them is known.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct FixtureMessage {
    std::uint32_t id;
    std::u16string text; // an ANSI entry stores each unit as one byte
    bool unicode = true;
};

// MESSAGE_RESOURCE_DATA: runs of consecutive identifiers share a block, in
// the order given. Block i's entry offset is the 32-bit field at 4 + 12 i + 8.
std::vector<std::uint8_t> BuildMessageResource(const std::vector<FixtureMessage>& messages);

enum class PeKind { Pe32, Pe32Plus };

struct FixtureLanguage {
    std::uint16_t language;
    std::vector<std::uint8_t> resource;
};

// A DLL with one .rsrc section holding RT_MESSAGETABLE name 1 in the given
// languages, in that order.
std::vector<std::uint8_t> BuildPe(PeKind kind, const std::vector<FixtureLanguage>& languages);

// Overwrites the little-endian 32-bit field at offset at.
void Patch32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value);

std::vector<std::uint8_t> BuildMessageDll(PeKind kind, std::uint16_t language,
                                          const std::vector<FixtureMessage>& messages);
