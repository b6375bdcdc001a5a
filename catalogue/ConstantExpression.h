// The value of a define whose replacement is a C constant expression, as a
// compiler for Windows (32-bit long) computes it:
//   #define ERROR_INTERNET_TIMEOUT (INTERNET_ERROR_BASE + 2)
//   #define D3DERR_INVALIDCALL MAKE_D3DHRESULT(2156)
// Integer literals with any suffix, casts to integer types, C's unary and
// binary operators and ?: with its precedence, other defines by name, and
// function-like macros of the loaded headers. HRESULT_FROM_WIN32 is taken
// by its meaning, since one header makes it an inline function and another
// a macro; _HRESULT_TYPEDEF_, __MSABI_LONG, MAKE_HRESULT and MAKE_SCODE are
// too when no loaded header defines them. Anything else (a string, a type,
// a function, an unknown name, a cycle, division by zero) has no value:
// nothing is guessed. Expansion and nesting are bounded, so no header can
// make an evaluation hang or recurse without end.
#pragma once

#include "catalogue/MacroTable.h"

#include <cstdint>
#include <optional>
#include <string_view>

// The expression's value in 32 bits.
std::optional<std::uint32_t> EvaluateConstant(std::string_view expression, const MacroTable& macros);

// The value of the object-like define name.
std::optional<std::uint32_t> EvaluateDefine(std::string_view name, const MacroTable& macros);

// True for a word that casts to a 32-bit integer, alone or beside others
// of its kind: int, long, unsigned, signed, and Windows' 32-bit typedefs
// (DWORD, LONG, HRESULT, ...). Such a cast leaves a number's 32 bits as
// they are.
bool Is32BitTypeWord(std::string_view word);
