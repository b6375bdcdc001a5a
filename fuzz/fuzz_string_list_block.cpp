// One "TSSF" block read from arbitrary bytes: the list is sound or empty, a
// foreign magic or version leaves it untouched, a good read stops exactly at
// the block's end, and what was read writes back and reads again alike.
#include "FuzzCheck.h"
#include "ListInvariants.h"

#include "platform/win32.h"
#include "text/TStringsStorage.h"

#include <cstdint>
#include <string>

namespace {

constexpr char kUntouched[] = "kept from before";

HANDLE OpenForReading(const std::string& path)
{
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    FUZZ_CHECK(file != INVALID_HANDLE_VALUE);
    return file;
}

std::uint64_t BlockBytes(const TStringsStorage& list)
{
    std::uint64_t bytes = 16;
    for (LONG i = 0; i < list.Count(); ++i)
        bytes += 16 + static_cast<std::uint64_t>(list.ItemAt(i).size);
    return bytes;
}

void CheckRoundTrip(const ScratchFolder& scratch, TStringsStorage& list)
{
    const std::string copy = scratch.Path("copy.tssf");
    FUZZ_CHECK(list.SaveBlockToFile(copy.c_str()) == ERROR_SUCCESS);
    TStringsStorage reread;
    FUZZ_CHECK(reread.LoadBlockFromFile(copy.c_str()) == ERROR_SUCCESS);
    FUZZ_CHECK(ContentsOf(reread) == ContentsOf(list));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ScratchFolder scratch;
    const std::string input = scratch.Write("input.tssf", data, size);

    TStringsStorage list;
    FUZZ_CHECK(list.Add(kUntouched) == ERROR_SUCCESS);
    const HANDLE file = OpenForReading(input);
    const DWORD code = list.ReadBlock(file);
    const DWORD position = SetFilePointer(file, 0, nullptr, FILE_CURRENT);
    CloseHandle(file);

    CheckListIsSound(list);
    if (code == ERROR_BAD_FORMAT || code == ERROR_REVISION_MISMATCH) {
        FUZZ_CHECK(list.Count() == 1 && std::string(list.Text(0)) == kUntouched);
        return 0;
    }
    if (code != ERROR_SUCCESS) {
        FUZZ_CHECK(list.Count() == 0);
        return 0;
    }
    FUZZ_CHECK(position == BlockBytes(list));
    FUZZ_CHECK(position <= size);
    CheckRoundTrip(scratch, list);
    return 0;
}
