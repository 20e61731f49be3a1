#include "print/ContactPrintout.h"
#include "print/PainterSurface.h"
#include "print/PrinterTextDevice.h"
#include "tests/PrintRecorder.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBoundaryFinder>
#include <gtest/gtest.h>

namespace {

bool IsOneCharacter(const QString &text)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    return finder.toNextBoundary() == text.size();
}

} // namespace

// The surface of the real printer, writing a PDF file: the device's rules hold with real
// font metrics for text in any script, and every piece drawn lies within the printable width.
TEST(PainterSurfaceTest, PrintsTextOfAnyScriptIntoAPdfWithinThePrintableArea)
{
    QTemporaryDir folder;
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(folder.filePath("out.pdf"));
    PrintRecord record;
    SetPrintSurfaceFactory([&](const QString &name) {
        return std::make_unique<TracingSurface>(record, std::make_unique<PainterSurface>(pdf, name));
    });
    QFont windowFont(QStringLiteral("Liberation Sans"));
    windowFont.setPixelSize(11);
    const QStringList values = {
        QStringLiteral("    Name:Ann"),
        QStringLiteral("    Notes:") + QStringLiteral("wide ").repeated(2000),
        QString::fromUtf8("Ελληνικά русский 中文字符 العربية עברית हिन्दी 한국어 \U0001F600 e\u0301").repeated(40),
        QStringLiteral("a\tb\tc\r\nd\fe"),
    };
    PrinterTextDevice &printer = Printer();
    printer.Open();
    printer.SetFont(PrintoutFont(windowFont), Qt::black);
    for (const QString &value : values)
        printer.WriteLine(value);
    printer.Close();
    SetPrintSurfaceFactory({});

    const QFontMetrics metrics(PrintoutFont(windowFont), &pdf);
    const QRect printable = pdf.pageRect(QPrinter::DevicePixel).toRect();
    QString drawn;
    for (const PrintRecord::Text &text : record.texts) {
        drawn += text.text;
        if (!IsOneCharacter(text.text)) {
            EXPECT_LE(text.at.x() + metrics.horizontalAdvance(text.text), printable.width()) << text.text.toStdString();
        }
        EXPECT_LE(text.at.y() + metrics.height(), printable.height());
    }
    EXPECT_EQ(drawn, values.join(QString()).remove(QRegularExpression(QStringLiteral("[\t\n\f\r]"))));
    // 12 points at 1200 dots per inch: an em of 200 dots, the line a little more.
    const int lineAdvance = record.texts.at(1).at.y() - record.texts.at(0).at.y();
    EXPECT_GT(lineAdvance, 200);
    EXPECT_LT(lineAdvance, 270);
    EXPECT_GT(record.pages, 2);
    EXPECT_GT(QFileInfo(folder.filePath("out.pdf")).size(), 0);
}
