#include "print/PainterSurface.h"

#include <QFontMetrics>
#include <QPrinter>

PainterSurface::PainterSurface(QPrinter &printer, const QString &documentName)
    : m_printer(printer)
{
    m_printer.setDocName(documentName);
    if (!m_printer.isValid() || !m_painter.begin(&m_printer))
        throw PrinterError(QStringLiteral("Printer selected is not valid"));
}

QSize PainterSurface::PrintableSize() const
{
    return m_printer.pageRect(QPrinter::DevicePixel).toRect().size();
}

void PainterSurface::SetFont(const QFont &font, const QColor &color)
{
    m_painter.setFont(font);
    m_painter.setPen(color);
}

int PainterSurface::CellHeight() const
{
    return m_painter.fontMetrics().height();
}

int PainterSurface::AverageCharWidth() const
{
    return m_painter.fontMetrics().averageCharWidth();
}

QSize PainterSurface::MeasureText(const QString &text) const
{
    const QFontMetrics metrics = m_painter.fontMetrics();
    return QSize(metrics.horizontalAdvance(text), metrics.height());
}

void PainterSurface::DrawText(const QPoint &topLeft, const QString &text)
{
    m_painter.drawText(QPoint(topLeft.x(), topLeft.y() + m_painter.fontMetrics().ascent()), text);
}

void PainterSurface::NewPage()
{
    m_printer.newPage();
}

void PainterSurface::EndJob()
{
    m_painter.end();
}
