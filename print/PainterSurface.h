#pragma once

#include "print/PrintSurface.h"

#include <QPainter>

class QPrinter;

// The print surface of a QPrinter, whether it feeds a print queue or writes a PDF file.
class PainterSurface : public PrintSurface {
public:
    // Begins the job on the printer's first page. Throws PrinterError "Printer selected is
    // not valid" when the printer gives no drawing surface.
    PainterSurface(QPrinter &printer, const QString &documentName);

    QSize PrintableSize() const override;
    void SetFont(const QFont &font, const QColor &color) override;
    int CellHeight() const override;
    int AverageCharWidth() const override;
    QSize MeasureText(const QString &text) const override;
    void DrawText(const QPoint &topLeft, const QString &text) override;
    void NewPage() override;
    void EndJob() override;

private:
    QPrinter &m_printer;
    QPainter m_painter;
};
