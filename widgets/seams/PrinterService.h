// The system's default printer, for a print job without a print dialog.
#pragma once

#include "widgets/seams/Seam.h"

#include <memory>

class QPrinter;

class PrinterService {
public:
    virtual ~PrinterService() = default;
    // A printer set up for one job on the default printer, or null when no
    // default printer is selected.
    virtual std::unique_ptr<QPrinter> DefaultPrinter() = 0;
};

template <> PrinterService& Seam<PrinterService>::Default();
