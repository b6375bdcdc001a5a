// The rows of a workload as a load gathers them.
#pragma once

#include "Workloads.h"

#include "catalogue/CodeEntry.h"

#include <vector>

// Every row of w's headers in load order.
std::vector<CodeEntry> ScanRows(const Workload& w);
