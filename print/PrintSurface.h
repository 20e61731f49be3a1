#pragma once

#include "store/Errors.h"

#include <QPoint>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>

class QColor;
class QFont;

// A failure of the printing service, carrying the text the user is shown.
class PrinterError : public PelmoraError {
public:
    using PelmoraError::PelmoraError;
};

// One print job on a paged device, from its first page to its end. Everything is measured in
// the device's own units (its dots), with the origin at the top left corner of the printable
// area of the page.
class PrintSurface {
public:
    virtual ~PrintSurface() = default;

    virtual QSize PrintableSize() const = 0;
    // The font of all later measuring and drawing; its point size counts at the device's
    // vertical resolution.
    virtual void SetFont(const QFont &font, const QColor &color) = 0;
    virtual int CellHeight() const = 0;
    virtual int AverageCharWidth() const = 0;
    virtual QSize MeasureText(const QString &text) const = 0;
    virtual void DrawText(const QPoint &topLeft, const QString &text) = 0;
    // Finishes the current page and begins an empty one.
    virtual void NewPage() = 0;
    // Finishes the last page and hands the job to the printer.
    virtual void EndJob() = 0;
};

// Begins a job with the given document name; throws PrinterError when no job can begin.
using PrintSurfaceFactory = std::function<std::unique_ptr<PrintSurface>(const QString &documentName)>;

// Tests hand in their own surfaces here; an empty factory restores the default printer.
void SetPrintSurfaceFactory(PrintSurfaceFactory factory);
std::unique_ptr<PrintSurface> BeginPrintJob(const QString &documentName);
