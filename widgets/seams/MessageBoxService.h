// Modal message boxes with the calling convention of MessageBoxA: fixed
// 8-bit texts, an icon and buttons chosen by flags, and the button pressed as
// the answer.
#pragma once

#include "platform/win32_types.h"
#include "widgets/seams/Seam.h"

#include <string>

class QWidget;

constexpr UINT MB_OK = 0x00;
constexpr UINT MB_OKCANCEL = 0x01;
constexpr UINT MB_YESNOCANCEL = 0x03;
constexpr UINT MB_YESNO = 0x04;
constexpr UINT MB_TYPEMASK = 0x0F;
constexpr UINT MB_ICONERROR = 0x10;
constexpr UINT MB_ICONQUESTION = 0x20;
constexpr UINT MB_ICONEXCLAMATION = 0x30;
constexpr UINT MB_ICONINFORMATION = 0x40;
constexpr UINT MB_ICONMASK = 0xF0;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// What a box without a caption of its own shows in its title bar, as the
// system does.
inline constexpr const char* DefaultMessageBoxCaption = "Error";

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    // Texts are in the program's 8-bit code page; caption is already
    // resolved (never empty for a box without one: see MessageBoxA).
    virtual int Show(QWidget* owner, const std::string& text, const std::string& caption, UINT flags) = 0;
};

template <> MessageBoxService& Seam<MessageBoxService>::Default();

// The windows' way to show a box. A null caption gives the default caption.
int MessageBoxA(QWidget* owner, LPCSTR text, LPCSTR caption, UINT flags);
