// The file and memory fault hooks (platform/file_faults.h, memory_faults.h)
// work where the program's own layer makes the calls, on Linux. On Windows
// the program calls the system itself, which no hook reaches.
#pragma once

#include <gtest/gtest.h>

#ifdef _WIN32
#define SKIP_WITHOUT_FAULT_HOOKS() GTEST_SKIP() << "fault hooks need the program's own file and memory layer"
#else
#define SKIP_WITHOUT_FAULT_HOOKS() static_cast<void>(0)
#endif
