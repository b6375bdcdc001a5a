// Everything the program remembers between runs. One instance lives for the
// whole run (the global Settings); windows read and write its fields in place.
#pragma once

#include "platform/win32_types.h"
#include "text/TStringsStorage.h"

#include <functional>
#include <string>

class TSettings {
public:
    struct tagErrorsOptions {
        TStringsStorage Headers;
        BYTE* HeaderSelected = nullptr; // one byte per header, none when empty
        TStringsStorage Prefixes;
        BYTE* PrefixSelected = nullptr; // one byte per prefix, none when empty
        // Bound to the owning TSettings; the settings dialog maintains the
        // lists only through these.
        std::function<bool(LPCSTR name, bool allowDuplicate)> AddPrefix;
        std::function<void(LONG index)> RemovePrefix;
        std::function<bool(LPCSTR name)> AddHeader;
        std::function<void(LONG index)> RemoveHeader;
    };

    // The 12-byte block of the settings file.
    struct tagGeneralOptions {
        BYTE ShowAtStart;
        BYTE PopupHints;
        BYTE BottomHints;
        BYTE FlatButtons;
        LONG EscapeAction; // 0 nothing, 1 minimize, 2 close; others act as 0
        BYTE UseTray;
        BYTE Padding[3];
    };
    // The values of EscapeAction that act.
    static constexpr LONG EscapeMinimizes = 1;
    static constexpr LONG EscapeCloses = 2;

    // The 8-byte block of the settings file; the six column flags lie in this
    // order, and the copy dialog maps its boxes onto them by position.
    struct tagCopyOptions {
        BYTE CopyMnemonic;
        BYTE CopyCode;
        BYTE CopyFacility;
        BYTE CopySeverity;
        BYTE CopyHeaderFile;
        BYTE CopyLineNumber;
        BYTE CopyToClipboard;
        BYTE ReplaceOutput;
    };

    // Loads fileName (may be null); any failure gives the defaults. A file
    // that is there but could not be read is noted (UnreadableCode), and the
    // first save over it keeps it, as its name with UnreadableSuffix added.
    explicit TSettings(LPCSTR fileName);
    TSettings(const TSettings&) = delete;
    TSettings& operator=(const TSettings&) = delete;
    ~TSettings();

    // Writes the settings file; false with the last error set on failure.
    bool Save(LPCSTR fileName);
    // Why the file given at construction could not be read; 0 when it was
    // read, or when there was none (no name, no file, no folder).
    DWORD UnreadableCode() const { return unreadableCode; }
    static constexpr const char* UnreadableSuffix = ".bad";
    void SetDefaults();

    tagErrorsOptions ErrorsOptions;
    tagGeneralOptions GeneralOptions;
    tagCopyOptions CopyOptions;

private:
    std::string unreadableFile;
    DWORD unreadableCode = 0;

    bool DoAddHeader(LPCSTR name);
    bool DoAddPrefix(LPCSTR name, bool allowDuplicate);
    void DoRemoveHeader(LONG index);
    void DoRemovePrefix(LONG index);
};

static_assert(sizeof(TSettings::tagGeneralOptions) == 12, "the settings file stores the block raw");
static_assert(sizeof(TSettings::tagCopyOptions) == 8, "the settings file stores the block raw");

// The one settings record of the run; null before start-up creates it.
extern TSettings* Settings;
