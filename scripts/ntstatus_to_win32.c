/* Reads NTSTATUS values, one hexadecimal value a line, and prints for each
 * the Win32 code ntdll's RtlNtStatusToDosError gives it, as lines of
 * platform/ntstatus_win32_map.inc. A value ntdll does not map (it answers
 * ERROR_MR_MID_NOT_FOUND) is left out. Cross-built with mingw-w64 and run
 * under Wine by scripts/make-ntstatus-map. */
#include <windows.h>

#include <stdio.h>

typedef ULONG(WINAPI* StatusToDosError)(LONG status);

int main(void)
{
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    StatusToDosError toDosError =
        ntdll ? (StatusToDosError)(void (*)(void))GetProcAddress(ntdll, "RtlNtStatusToDosError") : NULL;
    if (toDosError == NULL) {
        fprintf(stderr, "ntdll.dll has no RtlNtStatusToDosError\n");
        return 1;
    }
    char line[64];
    unsigned long read = 0;
    while (fgets(line, sizeof line, stdin) != NULL) {
        unsigned long status = 0;
        if (sscanf(line, "%lx", &status) != 1) {
            fprintf(stderr, "not a value: %s", line);
            return 1;
        }
        ++read;
        const ULONG code = toDosError((LONG)status);
        if (code != ERROR_MR_MID_NOT_FOUND)
            printf("{0x%08lXu, %lu},\n", status, (unsigned long)code);
    }
    return read == 0 ? 1 : 0;
}
