#include "print/DefaultPrinter.h"

#include "print/PainterSurface.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

QPrinter *keptPrinter = nullptr;

// The printer goes with the application, before the platform's print support is unloaded.
void ReleaseKeptPrinter()
{
    delete keptPrinter;
    keptPrinter = nullptr;
}

QPrinter &KeptPrinter()
{
    if (!keptPrinter) {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            throw PrinterError(QStringLiteral("There is no default printer currently selected"));
        keptPrinter = new QPrinter(info, QPrinter::HighResolution);
        qAddPostRoutine(ReleaseKeptPrinter);
    }
    return *keptPrinter;
}

} // namespace

std::unique_ptr<PrintSurface> BeginDefaultPrinterJob(const QString &documentName)
{
    return std::make_unique<PainterSurface>(KeptPrinter(), documentName);
}
