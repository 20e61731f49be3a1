#include "ui/main/Uni_Main.h"

#include "print/ContactPrintout.h"
#include "print/PrinterTextDevice.h"
#include "store/Uni_DM.h"
#include "store/Uni_Function.h"
#include "ui/main/CodeListBox.h"

void Tfrm_Main::PrintAll1Click()
{
    if (lstContact->count() > 0)
        PrintContacts(QStringLiteral("%"));
}

// The selection only decides whether anything is printed; what is printed is the contact
// whose details are shown.
void Tfrm_Main::PrintSelected1Click()
{
    if (lstContact->count() == 0)
        return;
    if (lstContact->GetSelectedCodes().isEmpty()) {
        ShowInfo(QStringLiteral("Please select a contact to print."));
        return;
    }
    PrintContacts(DisplayedContactKey());
}

// The job begins before the rows are read; whatever fails after that, the job is ended so
// that the printer is free for the next printout.
void Tfrm_Main::PrintContacts(const QString &keyPattern)
{
    PrinterTextDevice &printer = Printer();
    printer.Open();
    try {
        printer.SetFont(PrintoutFont(font()), palette().color(QPalette::WindowText));
        SqlText = SqlWithValue(Statements::SelectLikePrefix, keyPattern);
        OpenQuery(DM_Main->qry_Tmp, SqlText);
        WriteContacts(printer, DM_Main->qry_Tmp);
    } catch (...) {
        printer.Close();
        throw;
    }
    printer.Close();
}
