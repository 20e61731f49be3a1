#pragma once

#include <QString>
#include <QStringView>
#include <memory>
#include <vector>

class PrintSurface;
class QColor;
class QFont;
class QSize;

// Writes text onto the pages of one print job at a time, as a line printer would: it keeps
// the print position, breaks runs that are wider than the page at the last character that
// fits, steps to tab stops, and starts new pages where a line ends too low on the page.
class PrinterTextDevice {
public:
    PrinterTextDevice();
    ~PrinterTextDevice();

    // Begins a job and its first page, at the top left corner of the printable area. Throws
    // PrinterError "Printing in progress" while a job is open (that job goes on undisturbed),
    // or the printing service's own failure.
    void Open();
    // The font of the text written after it.
    void SetFont(const QFont &font, const QColor &color);
    // Tab, line feed, form feed and carriage return act on the position; every run of other
    // characters is drawn.
    void Write(const QString &text);
    // The text and then a line end.
    void WriteLine(const QString &text);
    // Finishes the last page and hands the job to the printer.
    void Close();

    bool IsOpen() const { return m_surface != nullptr; }

private:
    void DrawRun(QStringView run);
    void DrawPart(const QString &part, const QSize &size);
    int FittingEnd(QStringView run, const std::vector<int> &ends, int start) const;
    void NextTabStop();
    void NewLine();
    void NewPage();
    void TakeFontMetrics();

    std::unique_ptr<PrintSurface> m_surface;
    int m_x = 0;
    int m_y = 0;
    int m_pageWidth = 0;
    int m_pageHeight = 0;
    int m_lineHeight = 0; // 0 while nothing is drawn on the current line
    int m_cellHeight = 0;
    int m_tabWidth = 1;
};

// The program's one printer device.
PrinterTextDevice &Printer();
