// Where a line of a log names a Windows error code, for vantrel-lookup
// --annotate. A log is mostly numbers that are no code (dates, times,
// versions, sizes, addresses, process ids, line numbers), and a wrong
// annotation on every such line would bury the few right ones, so the rules
// are conservative: a code that is missed costs less than a number that is
// taken for one.
//
// The line is read as words, runs of letters, digits and '_'. A word counts
// when it is one of these:
//   - 0x or 0X and 1 to 8 hexadecimal digits, with an optional C suffix of
//     U and L (0xC0000005, 0x5, 0x80070005L);
//   - 8 hexadecimal digits without 0x (80004005, C0000005, 8007000e) whose
//     value has bit 31 set and is defined: "20231105" and "deadbeef" are not;
//   - a negative decimal of 9 or 10 digits within 32 bits (-2147024891,
//     -1073741819: every failure code, read signed, is one) whose value is
//     defined or is a failure of a named facility other than 0, so that
//     INT_MIN is none;
//   - a decimal of up to 10 digits within 32 bits, or a negative one, whose
//     value is defined or a failure of a named facility, after a word that
//     introduces a code: "error 1722", "HRESULT: -2147024891", "exit code
//     1", "rc=5". The words are error, err, errcode, errorcode, error_code,
//     code, hr, hres, hresult, scode, lasterror, getlasterror, win32,
//     ntstatus, status, exitcode, exit_code, rc, returning and returned; a
//     longer name that ends in errorcode, exitcode, error, hresult or
//     ntstatus (NativeErrorCode, dwError); "with" after failed, fails,
//     exited or terminated; "value" after error. "is", "was" or "of" may
//     come between ("the error code is 5"). Between the word and the number
//     only blanks and : = # ( ) [ ] " ' may stand. None of them introduces
//     a code after http or https, nor "code" or "status" after response or
//     status (HTTP's "status code 404"). Eight digits after such a word are
//     read as hexadecimal when that reading is a defined failure code
//     (failed with 80004005), else as decimal;
//   - a decimal in parentheses after a defined name (WSAECONNREFUSED (10061));
//   - a defined name, written exactly as it is defined (E_ACCESSDENIED).
// A number never counts when it is joined to another word by '.', ':', '-',
// '/', '\', ',' or '+' (10.0.19041.1, 2023-11-05, 10:22:33, GUIDs, paths,
// 1,234, Function+0x56; a number written with 0x may follow a colon or a
// slash, hr:0x80004005), when it has more than 8 hexadecimal digits (the 16
// of a 64-bit address), when a unit follows it ("0x10000 bytes", "12 ms"),
// or when the word before it says what else it is: an address, offset,
// size, id, handle, time stamp, version, flags, a register and the like
// (the lists are in LogCodes.cpp). A decimal without a word that introduces
// a code never counts, so line numbers (file.cpp(123)), process ids and
// sizes do not.
#pragma once

#include "platform/win32_types.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// How a code was written, which decides how its number is read.
enum class LogCodeForm : std::uint8_t {
    Hexadecimal,     // 0x...
    BareHexadecimal, // eight digits without 0x, read as hexadecimal
    Decimal,
    Name,
};

struct LogCode {
    std::size_t Column = 0; // of the token's first byte, from 0
    std::size_t Length = 0; // the token as written, a sign included
    DWORD Value = 0;        // for a name, 0: the name tells
    LogCodeForm Form = LogCodeForm::Decimal;
};

// What the codes of a log are checked against: the values and names that
// something defines.
class LogCodeVocabulary {
public:
    virtual bool Defined(DWORD value) const = 0;
    virtual bool Named(std::string_view name) const = 0;

protected:
    ~LogCodeVocabulary() = default;
};

// The codes of one line (without its line end), in order, into found, which
// is cleared first: a caller that keeps found from line to line allocates
// only when a line holds more codes than any before it.
void FindLogCodes(std::string_view line, const LogCodeVocabulary& vocabulary, std::vector<LogCode>& found);
