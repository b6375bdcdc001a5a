// Runs another program as one whole process and measures it: its wall time
// and its processor time (user and system), the figure to set against our
// own CPU time on a busy machine.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct ChildRun {
    bool Ok = false;
    double WallSeconds = 0;
    double CpuSeconds = 0;
    std::size_t OutputLines = 0;
};

// Runs args (the program looked up on PATH) with stdout to /dev/null, or to a
// pipe whose lines are counted when countOutput is set. Ok when it ends with
// one of the exit statuses in okStatuses.
ChildRun RunChild(const std::vector<std::string>& args, bool countOutput, const std::vector<int>& okStatuses = {0});
