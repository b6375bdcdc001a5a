#include "file_faults.h"

#include <array>
#include <atomic>

namespace {

struct Fault {
    std::atomic<int> calls{0};
    std::atomic<int> failAt{0};
    std::atomic<DWORD> code{0};
    std::atomic<bool> partly{false};
};

std::array<Fault, 5> faults;

Fault& FaultOf(FileOp op)
{
    return faults[static_cast<std::size_t>(op)];
}

} // namespace

namespace FileFaults {

void FailNth(FileOp op, int nth, DWORD code)
{
    Fault& fault = FaultOf(op);
    fault.code = code;
    fault.partly = false;
    fault.failAt = fault.calls + nth;
}

void WriteNthPartly(int nth, DWORD code)
{
    FailNth(FileOp::Write, nth, code);
    FaultOf(FileOp::Write).partly = true;
}

void Reset()
{
    for (Fault& fault : faults) {
        fault.calls = 0;
        fault.failAt = 0;
        fault.code = 0;
        fault.partly = false;
    }
}

int Calls(FileOp op)
{
    return FaultOf(op).calls;
}

bool ShouldFail(FileOp op, DWORD* code, bool* partly)
{
    Fault& fault = FaultOf(op);
    const int call = ++fault.calls;
    if (fault.failAt == 0 || call != fault.failAt)
        return false;
    *code = fault.code;
    if (partly != nullptr)
        *partly = fault.partly;
    return true;
}

} // namespace FileFaults
