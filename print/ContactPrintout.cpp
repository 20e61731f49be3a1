#include "print/ContactPrintout.h"

#include "print/PrinterTextDevice.h"
#include "store/StaticQuery.h"

#include <QFont>

namespace {

struct Line {
    const char *label;
    const char *column;
};

// Both fax lines carry the same label; the key is not printed.
constexpr Line ContactLines[] = {
    {"    Name:", "contactname"}, {"    Address:", "address"},   {"    Home 1:", "home1"},
    {"    Home 2:", "home2"},     {"    Fax:", "fax1"},          {"    Biz 1:", "biz1"},
    {"    Biz 2:", "biz2"},       {"    Fax:", "fax2"},          {"    Web site:", "website"},
    {"    EMail 1:", "email1"},   {"    EMail 2:", "email2"},    {"    Notes:", "notes"},
};

} // namespace

QFont PrintoutFont(const QFont &windowFont)
{
    QFont font = windowFont;
    font.setPointSize(12);
    return font;
}

void WriteContacts(PrinterTextDevice &printer, StaticQuery &rows)
{
    printer.WriteLine(QStringLiteral("    Contacts"));
    printer.WriteLine(QString());
    for (; !rows.Eof(); rows.Next()) {
        for (const Line &line : ContactLines)
            printer.WriteLine(QLatin1String(line.label) + rows.FieldByName(QLatin1String(line.column)));
        printer.WriteLine(QString());
    }
}
