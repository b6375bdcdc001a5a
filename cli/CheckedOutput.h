// vantrel-lookup's standard output, which remembers why a write failed: a
// full disk, /dev/full or a closed file must end the run with a message and
// a failing status, since scripts trust the status and would otherwise take
// a cut-off answer for a whole one.
#pragma once

#include <array>
#include <streambuf>

class CheckedOutput : public std::streambuf {
public:
    explicit CheckedOutput(int descriptor);
    CheckedOutput(const CheckedOutput&) = delete;
    CheckedOutput& operator=(const CheckedOutput&) = delete;

    // Writes what is left; the system's error number of the first write
    // that failed, 0 when every byte went out. Bytes after a failure are
    // dropped.
    int Finish();

protected:
    int overflow(int c) override;
    int sync() override;

private:
    bool Drain();

    int descriptor;
    int error = 0;
    std::array<char, 1 << 16> buffer;
};
