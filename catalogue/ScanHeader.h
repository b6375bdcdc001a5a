// Scans one header file into code-list rows.
#pragma once

#include "CodeEntry.h"
#include "CodeTable.h"

#include "platform/win32_types.h"

#include <functional>

class ExpressionRows;
class TStringsStorage;

using CodeSink = std::function<void(CodeEntry&&)>;

// Hands one row to sink for every line  #define NAME value  whose NAME begins
// with a prefix selected in prefixSelected (one flag per entry of prefixes;
// may be null when the list is empty), in the order of the file. A row's Line
// counts physical lines from 1, its LineOffset is the byte offset of the
// line's first byte whatever the line ends, and its LineLength the length as
// read with one character for the line end. Results:
//   0   the header was scanned, with or without rows;
//   1   prefixes has no entries;
//   13  the file is empty or its first line is not text;
//   any other: the system's code for a file that could not be opened or
//   read, or for memory that ran out.
// The rows are handed on only once the whole file was read, so a scan that
// fails hands on nothing; only memory running out while they are handed on
// can stop the scan after some of them.
DWORD ScanHeader(LPCSTR path, const TStringsStorage& prefixes, const BYTE* prefixSelected, const CodeSink& sink);

// The same scan into a row table, without a CodeEntry for each row: the rows
// go to the end of rows, numbered from 1, with path as their header. A scan
// that fails, memory running out included, leaves rows as it was. Where
// expressions is given, the header's defines and the rows whose value is an
// expression are noted in it for the end of the load.
DWORD ScanHeader(LPCSTR path, const TStringsStorage& prefixes, const BYTE* prefixSelected, CodeTable& rows,
                 ExpressionRows* expressions = nullptr);
