// Win32 file services over POSIX file descriptors.
//
// Share modes are accepted and ignored: POSIX has no mandatory sharing.
// Only regular files are opened: a folder fails with ERROR_ACCESS_DENIED,
// as CreateFileA does without backup semantics, and a FIFO, socket or device
// fails the same way instead of blocking the program on open or read.
#pragma once

#include "win32_types.h"

HANDLE CreateFileA(LPCSTR fileName, DWORD desiredAccess, DWORD shareMode, LPVOID securityAttributes,
                   DWORD creationDisposition, DWORD flagsAndAttributes, HANDLE templateFile);
BOOL ReadFile(HANDLE file, LPVOID buffer, DWORD bytesToRead, LPDWORD bytesRead, LPVOID overlapped);
BOOL WriteFile(HANDLE file, LPCVOID buffer, DWORD bytesToWrite, LPDWORD bytesWritten, LPVOID overlapped);
DWORD SetFilePointer(HANDLE file, LONG distance, PLONG distanceHigh, DWORD moveMethod);
BOOL SetEndOfFile(HANDLE file);
BOOL FlushFileBuffers(HANDLE file);
BOOL CloseHandle(HANDLE object);
BOOL DeleteFileA(LPCSTR fileName);
BOOL MoveFileExA(LPCSTR existingFileName, LPCSTR newFileName, DWORD flags);
DWORD GetFileAttributesA(LPCSTR fileName);
DWORD GetFileSize(HANDLE file, LPDWORD fileSizeHigh);

// The full path of the running executable; 0 with the last error set when it
// cannot be read or does not fit.
DWORD GetModuleFileNameA(void* module, LPSTR fileName, DWORD size);
