// The access rights of files, for a file written anew under a temporary name
// that is about to replace another: it takes over the rights of the file it
// replaces, so replacing a private file never leaves it readable to others.
#pragma once

#include "win32_types.h"

// Gives toFile the access rights of fromFile (followed through links). TRUE
// also when fromFile does not exist, with nothing changed; FALSE with the
// last error set otherwise.
BOOL CopyFileAccess(LPCSTR fromFile, LPCSTR toFile);
