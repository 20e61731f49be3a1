#pragma once

#include <QString>
#include <memory>

class PrintSurface;

// Begins a job on the system's default printer. The printer is the default one found at the
// first printout of the run, with that printer's own default settings, and it is kept for
// every later printout of the run. Throws PrinterError "There is no default printer
// currently selected" while no default printer has been found.
std::unique_ptr<PrintSurface> BeginDefaultPrinterJob(const QString &documentName);
