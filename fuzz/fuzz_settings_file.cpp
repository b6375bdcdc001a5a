// A whole settings file of arbitrary bytes. Whatever it holds, the record
// comes out sound: each flag array exists exactly when its list has items
// (every flag byte is touched, so a short array shows up under ASan), every
// text ends with its zero at its length. A refused file changes nothing in
// the record it was loaded into, and an accepted one saves and loads back to
// the same record. Each input is also tried with a long hole after its bytes,
// so that a block's count of up to 2^31 items meets a file large enough to
// pass the size checks and is refused by what the entries hold, without an
// allocation in proportion to the count.
#include "FuzzCheck.h"
#include "ListInvariants.h"

#include "platform/win32.h"
#include "settings/SettingsFile.h"
#include "settings/TSettings.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace {

std::vector<BYTE> FlagsOf(const TStringsStorage& list, const BYTE* flags)
{
    CheckListIsSound(list);
    FUZZ_CHECK((flags != nullptr) == (list.Count() > 0));
    return flags == nullptr ? std::vector<BYTE>{} : std::vector<BYTE>(flags, flags + list.Count());
}

// Everything the file carries, the padding aside, which means nothing.
struct Record {
    ListContents headers;
    std::vector<BYTE> headerFlags;
    ListContents prefixes;
    std::vector<BYTE> prefixFlags;
    std::vector<BYTE> general;
    std::vector<BYTE> copy;
    bool operator==(const Record&) const = default;
};

Record SoundRecordOf(const TSettings& settings)
{
    const TSettings::tagErrorsOptions& errors = settings.ErrorsOptions;
    Record record;
    record.headerFlags = FlagsOf(errors.Headers, errors.HeaderSelected);
    record.prefixFlags = FlagsOf(errors.Prefixes, errors.PrefixSelected);
    record.headers = ContentsOf(errors.Headers);
    record.prefixes = ContentsOf(errors.Prefixes);
    const auto* general = reinterpret_cast<const BYTE*>(&settings.GeneralOptions);
    record.general.assign(general, general + offsetof(TSettings::tagGeneralOptions, Padding));
    const auto* copy = reinterpret_cast<const BYTE*>(&settings.CopyOptions);
    record.copy.assign(copy, copy + sizeof settings.CopyOptions);
    return record;
}

} // namespace

namespace {

// More than 2^31 of the smallest items, table entry and text, would take.
constexpr std::uintmax_t HoleBytes = std::uintmax_t{64} << 30;

void CheckLoad(const ScratchFolder& scratch, const std::string& input)
{
    // The program's own way in: any failure silently gives the defaults.
    const TSettings constructed(input.c_str());
    SoundRecordOf(constructed);

    TSettings settings(nullptr);
    const Record defaults = SoundRecordOf(settings);
    SetLastError(ERROR_SUCCESS);
    if (!SettingsFile::Load(settings, input.c_str())) {
        FUZZ_CHECK(GetLastError() != ERROR_SUCCESS);
        FUZZ_CHECK(SoundRecordOf(settings) == defaults);
        return;
    }
    const Record loaded = SoundRecordOf(settings);
    FUZZ_CHECK(SoundRecordOf(constructed) == loaded);

    const std::string copy = scratch.Path("saved.dat");
    FUZZ_CHECK(settings.Save(copy.c_str()));
    TSettings reread(nullptr);
    FUZZ_CHECK(SettingsFile::Load(reread, copy.c_str()));
    FUZZ_CHECK(SoundRecordOf(reread) == loaded);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ScratchFolder scratch;
    const std::string input = scratch.Write("vantrel.dat", data, size);
    CheckLoad(scratch, input);

    std::error_code error;
    std::filesystem::resize_file(input, size + HoleBytes, error);
    FUZZ_CHECK(!error);
    CheckLoad(scratch, input);
    return 0;
}
