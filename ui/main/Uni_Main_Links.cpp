// The main window's web, e-mail, help and About commands. They act on the displayed
// contact's read-only fields, which take no focus, so a failed check leaves the focus where
// it was.
#include "ui/main/Uni_Main.h"

#include "ui/LinkCommands.h"
#include "ui/ScopedForm.h"
#include "ui/ShowModal.h"
#include "ui/about/Uni_About.h"

#include <QLineEdit>

void Tfrm_Main::GotoWebSite1Click()
{
    OpenWebSite(this, edtWeb->text());
}

void Tfrm_Main::SendEMail1Click()
{
    SendEmailTo(this, edtMail1->text());
}

// The button stands beside the first address and sends to it.
void Tfrm_Main::btnEMail2Click()
{
    SendEMail1Click();
}

void Tfrm_Main::SendEmail21Click()
{
    SendEmailTo(this, edtMail2->text());
}

void Tfrm_Main::Content1Click()
{
    OpenHelp(this);
}

// The box belongs to the application, not to this window, and lives only while it is shown.
void Tfrm_Main::About1Click()
{
    const ScopedForm<Tfrm_About> dialog(frm_About);
    dialog->setWindowFlag(Qt::WindowStaysOnTopHint, StayOnTop());
    ShowModal(dialog.get());
}
