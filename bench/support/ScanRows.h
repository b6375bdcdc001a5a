// The rows of a workload as a load gathers them.
#pragma once

#include "Workloads.h"

#include "catalogue/CodeTable.h"

// Every row of w's headers in load order, in the table a load fills.
CodeTable ScanTable(const Workload& w);
