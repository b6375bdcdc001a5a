#include "pe_fixture.h"

namespace {

constexpr std::uint32_t kSectionRva = 0x1000;
constexpr std::uint32_t kSectionFileOffset = 0x200;
constexpr std::uint32_t kFileAlignment = 0x200;

void Put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value)
{
    if (out.size() < at + 2)
        out.resize(at + 2);
    out[at] = static_cast<std::uint8_t>(value);
    out[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value)
{
    Put16(out, at, value & 0xFFFF);
    Put16(out, at + 2, value >> 16);
}

void Align(std::vector<std::uint8_t>& out, std::size_t alignment)
{
    out.resize((out.size() + alignment - 1) / alignment * alignment);
}

void AppendEntry(std::vector<std::uint8_t>& out, const FixtureMessage& message)
{
    const std::size_t start = out.size();
    out.resize(start + 4);
    for (const char16_t unit : message.text) {
        out.push_back(static_cast<std::uint8_t>(unit));
        if (message.unicode)
            out.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    out.resize(out.size() + (message.unicode ? 2 : 1));
    Align(out, 4);
    Put16(out, start, static_cast<std::uint32_t>(out.size() - start));
    Put16(out, start + 2, message.unicode ? 1 : 0);
}

using DirectoryEntries = std::vector<std::pair<std::uint32_t, std::uint32_t>>;

void PutDirectory(std::vector<std::uint8_t>& out, std::size_t at, const DirectoryEntries& entries)
{
    Put32(out, at, 0);
    Put16(out, at + 14, static_cast<std::uint32_t>(entries.size()));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        Put32(out, at + 16 + 8 * i, entries[i].first);
        Put32(out, at + 20 + 8 * i, entries[i].second);
    }
}

std::vector<std::uint8_t> BuildResourceSection(const std::vector<FixtureLanguage>& languages)
{
    constexpr std::uint32_t kSubdirectory = 0x80000000u;
    const std::uint32_t typeDirectory = 24;
    const std::uint32_t nameDirectory = 48;
    const std::uint32_t dataEntries = nameDirectory + 16 + 8 * static_cast<std::uint32_t>(languages.size());

    std::vector<std::uint8_t> section;
    PutDirectory(section, 0, {{11, kSubdirectory | typeDirectory}});
    PutDirectory(section, typeDirectory, {{1, kSubdirectory | nameDirectory}});
    DirectoryEntries languageEntries;
    for (std::size_t i = 0; i < languages.size(); ++i)
        languageEntries.emplace_back(languages[i].language, dataEntries + 16 * static_cast<std::uint32_t>(i));
    PutDirectory(section, nameDirectory, languageEntries);
    section.resize(dataEntries + 16 * languages.size());
    for (std::size_t i = 0; i < languages.size(); ++i) {
        Align(section, 4);
        const auto blob = static_cast<std::uint32_t>(section.size());
        section.insert(section.end(), languages[i].resource.begin(), languages[i].resource.end());
        Put32(section, dataEntries + 16 * i, kSectionRva + blob);
        Put32(section, dataEntries + 16 * i + 4, static_cast<std::uint32_t>(languages[i].resource.size()));
    }
    return section;
}

} // namespace

std::vector<std::uint8_t> BuildMessageResource(const std::vector<FixtureMessage>& messages)
{
    std::vector<std::pair<std::size_t, std::size_t>> runs; // first index, count
    for (std::size_t i = 0; i < messages.size(); ++i) {
        if (i == 0 || messages[i].id != messages[i - 1].id + 1)
            runs.emplace_back(i, 0);
        ++runs.back().second;
    }
    std::vector<std::uint8_t> out;
    Put32(out, 0, static_cast<std::uint32_t>(runs.size()));
    out.resize(4 + 12 * runs.size());
    for (std::size_t r = 0; r < runs.size(); ++r) {
        const auto [first, count] = runs[r];
        Put32(out, 4 + 12 * r, messages[first].id);
        Put32(out, 8 + 12 * r, messages[first + count - 1].id);
        Put32(out, 12 + 12 * r, static_cast<std::uint32_t>(out.size()));
        for (std::size_t i = first; i < first + count; ++i)
            AppendEntry(out, messages[i]);
    }
    return out;
}

std::vector<std::uint8_t> BuildPe(PeKind kind, const std::vector<FixtureLanguage>& languages)
{
    const bool plus = kind == PeKind::Pe32Plus;
    const std::vector<std::uint8_t> resources = BuildResourceSection(languages);
    const std::uint32_t optionalSize = plus ? 240 : 224;
    const std::uint32_t directories = plus ? 112 : 96;
    const std::uint32_t rawSize =
        (static_cast<std::uint32_t>(resources.size()) + kFileAlignment - 1) / kFileAlignment * kFileAlignment;

    std::vector<std::uint8_t> file(kSectionFileOffset, 0);
    Put16(file, 0, 0x5A4D);
    Put32(file, 0x3C, 0x40);
    Put32(file, 0x40, 0x00004550);
    const std::size_t coff = 0x44;
    Put16(file, coff, plus ? 0x8664 : 0x014C);
    Put16(file, coff + 2, 1);
    Put16(file, coff + 16, optionalSize);
    Put16(file, coff + 18, 0x2102); // executable, DLL
    const std::size_t optional = coff + 20;
    Put16(file, optional, plus ? 0x20B : 0x10B);
    Put32(file, optional + directories - 4, 16);
    Put32(file, optional + directories + 16, kSectionRva);
    Put32(file, optional + directories + 20, static_cast<std::uint32_t>(resources.size()));
    const std::size_t section = optional + optionalSize;
    const char name[8] = {'.', 'r', 's', 'r', 'c', 0, 0, 0};
    for (std::size_t i = 0; i < 8; ++i)
        file[section + i] = static_cast<std::uint8_t>(name[i]);
    Put32(file, section + 8, static_cast<std::uint32_t>(resources.size()));
    Put32(file, section + 12, kSectionRva);
    Put32(file, section + 16, rawSize);
    Put32(file, section + 20, kSectionFileOffset);

    file.insert(file.end(), resources.begin(), resources.end());
    file.resize(kSectionFileOffset + rawSize);
    return file;
}

std::vector<std::uint8_t> BuildMessageDll(PeKind kind, std::uint16_t language,
                                          const std::vector<FixtureMessage>& messages)
{
    return BuildPe(kind, {{language, BuildMessageResource(messages)}});
}

void Patch32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value)
{
    Put32(bytes, at, value);
}
