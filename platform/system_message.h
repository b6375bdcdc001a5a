// FormatMessageA for the system's message table.
#pragma once

#include "win32_types.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

class MessageTableSet;

constexpr DWORD ERROR_NO_WORK_DONE = 1235;
constexpr DWORD ERROR_RESOURCE_LANG_NOT_FOUND = 1815;

// Supports FORMAT_MESSAGE_FROM_SYSTEM, with or without
// FORMAT_MESSAGE_ALLOCATE_BUFFER (then buffer is really an LPSTR* that
// receives a LocalAlloc'ed text, or null on failure) and with or without
// FORMAT_MESSAGE_IGNORE_INSERTS. Insert arguments are never read: a message
// that needs one fails with ERROR_INVALID_PARAMETER. Messages from a string or
// a module, and line wrapping (a width in the low byte), are not provided and
// fail with ERROR_INVALID_PARAMETER.
// Language 0, LANG_USER_DEFAULT (0x400) or 0x800 picks the user's language
// (see message_language.h) with its fallbacks; any other language must be in
// the table (else ERROR_RESOURCE_LANG_NOT_FOUND). An HRESULT 0x8007xxxx
// without a message of its own reads as the Win32 code xxxx.
// Returns the number of characters written, or 0 with the last error set:
// ERROR_MR_MID_NOT_FOUND when there is no table or no such message,
// ERROR_NO_WORK_DONE when the message formats to nothing,
// ERROR_INSUFFICIENT_BUFFER when size is too small for the text and its zero.
DWORD FormatMessageA(DWORD flags, LPCVOID source, DWORD messageId, DWORD languageId, LPSTR buffer, DWORD size,
                     void* arguments);

// FormatMessageA over the given tables instead of the system's.
DWORD FormatMessageFromTables(const MessageTableSet& tables, DWORD flags, DWORD messageId, DWORD languageId,
                              LPSTR buffer, DWORD size);

// The message FormatMessageA gives for messageId from the system's table in
// the user's language (0x400, with the same fallbacks), but in UTF-8 straight
// from the table's Unicode text, so no character is lost. Empty when
// FormatMessageA would fail. Reads the one message from the DLL without
// building the tables: for a program that looks up a few messages and ends.
std::string SystemMessageUtf8(DWORD messageId);
// The same from the DLL's bytes; nothing when they hold no usable table.
std::optional<std::string> MessageUtf8FromImage(std::span<const std::uint8_t> file, DWORD messageId);
