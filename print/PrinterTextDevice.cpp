#include "print/PrinterTextDevice.h"

#include "print/PrintSurface.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QTextBoundaryFinder>
#include <algorithm>

namespace {

constexpr char16_t Tab = u'\t';
constexpr char16_t LineFeed = u'\n';
constexpr char16_t FormFeed = u'\f';
constexpr char16_t CarriageReturn = u'\r';

bool IsControl(char16_t c)
{
    return c == Tab || c == LineFeed || c == FormFeed || c == CarriageReturn;
}

// The places where a run may be broken without splitting a character: the end of each
// grapheme, so that neither a surrogate pair nor a letter and its accents are torn apart.
std::vector<int> CharacterEnds(QStringView run)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, run);
    std::vector<int> ends;
    for (qsizetype end = finder.toNextBoundary(); end > 0; end = finder.toNextBoundary())
        ends.push_back(int(end));
    return ends;
}

} // namespace

PrinterTextDevice::PrinterTextDevice() = default;
PrinterTextDevice::~PrinterTextDevice() = default;

void PrinterTextDevice::Open()
{
    if (m_surface)
        throw PrinterError(QStringLiteral("Printing in progress"));
    m_surface = BeginPrintJob(QString());
    const QSize page = m_surface->PrintableSize();
    m_pageWidth = page.width();
    m_pageHeight = page.height();
    m_x = 0;
    m_y = 0;
    m_lineHeight = 0;
    TakeFontMetrics();
}

void PrinterTextDevice::SetFont(const QFont &font, const QColor &color)
{
    m_surface->SetFont(font, color);
    TakeFontMetrics();
}

void PrinterTextDevice::TakeFontMetrics()
{
    m_cellHeight = m_surface->CellHeight();
    // A font that reports no width must not leave every tab stop at the same place.
    m_tabWidth = std::max(1, 8 * m_surface->AverageCharWidth());
}

void PrinterTextDevice::Close()
{
    const std::unique_ptr<PrintSurface> surface = std::move(m_surface);
    surface->EndJob();
}

void PrinterTextDevice::WriteLine(const QString &text)
{
    Write(text);
    NewLine();
}

void PrinterTextDevice::Write(const QString &text)
{
    const QStringView view(text);
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < view.size(); ++i) {
        const char16_t c = view.at(i).unicode();
        if (!IsControl(c))
            continue;
        DrawRun(view.mid(runStart, i - runStart));
        runStart = i + 1;
        if (c == Tab)
            NextTabStop();
        else if (c == LineFeed)
            NewLine();
        else if (c == FormFeed)
            NewPage();
    }
    DrawRun(view.mid(runStart));
}

// Draws as much of the run as fits beside x, then goes on at the left edge of the next line
// with the rest, unindented, until all of it is drawn.
void PrinterTextDevice::DrawRun(QStringView run)
{
    if (run.isEmpty())
        return;
    const QString whole = run.toString();
    const QSize wholeSize = m_surface->MeasureText(whole);
    if (m_x + wholeSize.width() <= m_pageWidth) {
        DrawPart(whole, wholeSize);
        m_x += wholeSize.width();
        return;
    }
    const std::vector<int> ends = CharacterEnds(run);
    int start = 0;
    for (;;) {
        const int end = FittingEnd(run, ends, start);
        const QString part = run.mid(start, end - start).toString();
        const QSize size = m_surface->MeasureText(part);
        DrawPart(part, size);
        start = end;
        if (start == run.size()) {
            m_x += size.width();
            return;
        }
        NewLine();
    }
}

void PrinterTextDevice::DrawPart(const QString &part, const QSize &size)
{
    if (part.isEmpty())
        return;
    // Only lines with nothing drawn on them can bring the position this low. Text that would
    // reach below the printable area goes to the top of the next page, not off the paper.
    if (m_y > 0 && m_y + size.height() > m_pageHeight) {
        const int x = m_x;
        NewPage();
        m_x = x;
    }
    if (size.height() > m_lineHeight)
        m_lineHeight = size.height() + 2;
    m_surface->DrawText(QPoint(m_x, m_y), part);
}

// The end of the longest beginning of run[start..] that fits beside x. Widths grow with the
// length of the beginning, so the place is found by doubling steps and then halving them,
// which keeps a value of many thousand characters from being measured once per character.
// At the left edge at least one character is taken, even one wider than the page, so that
// every line makes progress.
int PrinterTextDevice::FittingEnd(QStringView run, const std::vector<int> &ends, int start) const
{
    const auto fits = [&](int index) {
        return m_x + m_surface->MeasureText(run.mid(start, ends[size_t(index)] - start).toString()).width()
            <= m_pageWidth;
    };
    const int first = int(std::upper_bound(ends.begin(), ends.end(), start) - ends.begin());
    int lo = first - 1; // the empty beginning, which always fits
    int hi = int(ends.size()); // past the last end
    int step = 1;
    while (lo + step < hi && fits(lo + step)) {
        lo += step;
        step *= 2;
    }
    hi = std::min(hi, lo + step);
    while (hi - lo > 1) {
        const int middle = lo + (hi - lo) / 2;
        if (fits(middle))
            lo = middle;
        else
            hi = middle;
    }
    if (lo >= first)
        return ends[size_t(lo)];
    return m_x == 0 ? ends[size_t(first)] : start;
}

void PrinterTextDevice::NextTabStop()
{
    m_x = ((m_x + 1) / m_tabWidth + 1) * m_tabWidth;
    if (m_x > m_pageWidth)
        NewLine();
}

// An empty line advances by the font's cell height. A line with text advances by its own
// height and breaks the page when less than two such heights are left below it; an empty
// line breaks it only when the next line would start below the printable area.
void PrinterTextDevice::NewLine()
{
    m_x = 0;
    m_y += m_lineHeight != 0 ? m_lineHeight : m_cellHeight;
    if (m_y > m_pageHeight - 2 * m_lineHeight)
        NewPage();
    m_lineHeight = 0;
}

// Finishing a page is where the printing service hands control back to the program, so the
// window repaints and takes its commands while a long job is written.
void PrinterTextDevice::NewPage()
{
    m_x = 0;
    m_y = 0;
    m_surface->NewPage();
    QCoreApplication::processEvents();
}

PrinterTextDevice &Printer()
{
    static PrinterTextDevice device;
    return device;
}
