// A test hook in the file layer: makes the N-th call of one file operation
// fail with a chosen Win32 code, so tests can reach every failure path of a
// save without a full disk or a broken drive.
#pragma once

#include "win32_types.h"

enum class FileOp { Create, Read, Write, Flush, Rename };

namespace FileFaults {

// The nth call (1-based, counted from now) of op fails with code; earlier and
// later calls work as usual. Only one fault is armed per operation.
void FailNth(FileOp op, int nth, DWORD code);

// The nth write (1-based, counted from now) writes only part of its bytes,
// half of them, and then fails with code, as a disk does that fills up
// in the middle of a write.
void WriteNthPartly(int nth, DWORD code);

// Disarms every fault and restarts every count.
void Reset();

// Calls of op counted since the last Reset, whether they failed or not.
int Calls(FileOp op);

// Used by the file layer: counts the call and tells whether it must fail,
// and whether only after writing part of its bytes.
bool ShouldFail(FileOp op, DWORD* code, bool* partly = nullptr);

} // namespace FileFaults
