#include "tests/PrintRecorder.h"

#include <QFile>

QStringList PrintRecord::Texts() const
{
    QStringList all;
    for (const Text &text : texts)
        all << text.text;
    return all;
}

QList<QStringList> PrintRecord::PageTexts() const
{
    QList<QStringList> byPage(pages);
    for (const Text &text : texts)
        byPage[text.page - 1] << text.text;
    return byPage;
}

void PrintTo(const PrintRecord::Text &text, std::ostream *out)
{
    *out << "page " << text.page << " (" << text.at.x() << ", " << text.at.y() << ") \"" << text.text.toStdString()
         << '"';
}

void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

TracingSurface::TracingSurface(PrintRecord &record, std::unique_ptr<PrintSurface> surface)
    : m_record(record), m_surface(std::move(surface))
{
    ++m_record.jobsBegun;
    m_record.pages = 1;
    m_record.texts.clear();
}

void TracingSurface::SetFont(const QFont &font, const QColor &color)
{
    m_record.font = font;
    m_record.color = color;
    m_surface->SetFont(font, color);
}

void TracingSurface::DrawText(const QPoint &topLeft, const QString &text)
{
    m_record.texts << PrintRecord::Text{m_record.pages, topLeft, text};
    m_surface->DrawText(topLeft, text);
}

void TracingSurface::NewPage()
{
    ++m_record.pages;
    m_surface->NewPage();
}

void TracingSurface::EndJob()
{
    ++m_record.jobsEnded;
    m_surface->EndJob();
}

RecordingPrinter::RecordingPrinter(QSize page)
{
    SetPrintSurfaceFactory([this, page](const QString &) {
        return std::make_unique<TracingSurface>(record, std::make_unique<FixedMetricsSurface>(page));
    });
}

RecordingPrinter::~RecordingPrinter()
{
    SetPrintSurfaceFactory({});
}

namespace {
const char *const CupsVariables[] = {"CUPS_SERVER", "PRINTER", "LPDEST"};
} // namespace

CupsServerOverride::CupsServerOverride(const QString &socket)
{
    for (const char *name : CupsVariables) {
        m_saved << Saved{name, qEnvironmentVariableIsSet(name), qgetenv(name)};
        qunsetenv(name);
    }
    qputenv("CUPS_SERVER", QFile::encodeName(socket));
}

CupsServerOverride::~CupsServerOverride()
{
    for (const Saved &saved : m_saved) {
        if (saved.set)
            qputenv(saved.name, saved.value);
        else
            qunsetenv(saved.name);
    }
}
