#include "widgets/seams/PrinterService.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace {

class QtDefaultPrinter final : public PrinterService {
public:
    std::unique_ptr<QPrinter> DefaultPrinter() override
    {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            return nullptr;
        return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    }
};

} // namespace

template <> PrinterService& Seam<PrinterService>::Default()
{
    static QtDefaultPrinter printer;
    return printer;
}
