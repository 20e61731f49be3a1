#include "print/PrintSurface.h"

#include "print/DefaultPrinter.h"

namespace {
PrintSurfaceFactory &Factory()
{
    static PrintSurfaceFactory factory;
    return factory;
}
} // namespace

void SetPrintSurfaceFactory(PrintSurfaceFactory factory)
{
    Factory() = std::move(factory);
}

std::unique_ptr<PrintSurface> BeginPrintJob(const QString &documentName)
{
    return Factory() ? Factory()(documentName) : BeginDefaultPrinterJob(documentName);
}
