// The commands that change the table through the editor or delete a contact. Each one that
// changed the table reloads the list and shows the contact concerned.
#include "ui/main/Uni_Main.h"

#include "store/MessageBoxes.h"
#include "store/Uni_DM.h"
#include "store/Uni_Function.h"
#include "ui/ScopedForm.h"
#include "ui/ShowModal.h"
#include "ui/editor/Uni_ContactInfo.h"
#include "ui/main/CodeListBox.h"

#include <QLineEdit>

void Tfrm_Main::ReselectAfterEditor(const QString &key)
{
    RefreshContactList();
    SelectAndShow(lstContact->IndexOfCode(key));
}

void Tfrm_Main::AddContact1Click()
{
    const ScopedForm<Tfrm_ContactInfo> editor(frm_ContactInfo);
    editor->SetTag(Tfrm_ContactInfo::AddMode);
    editor->SetStayOnTop(StayOnTop());
    if (ShowModal(editor.get()) == mrOk)
        ReselectAfterEditor(editor->ContactKey);
}

void Tfrm_Main::DEditContact1Click()
{
    if (lstContact->count() == 0)
        return;
    if (lstContact->GetSelectedCodes().isEmpty()) {
        ShowInfo(QStringLiteral("Please select a contact to edit."));
        return;
    }
    const ScopedForm<Tfrm_ContactInfo> editor(frm_ContactInfo);
    editor->ContactKey = DisplayedContactKey();
    editor->ContactName = edtName->text();
    editor->SetTag(Tfrm_ContactInfo::EditMode);
    editor->SetStayOnTop(StayOnTop());
    if (ShowModal(editor.get()) == mrOk)
        ReselectAfterEditor(editor->ContactKey);
}

void Tfrm_Main::DeleteContact1Click()
{
    if (lstContact->count() == 0 || lstContact->GetSelectedCodes().isEmpty())
        return;
    if (AskQuestion(QStringLiteral("Are you sure you want to delete ") + edtName->text() + QStringLiteral("?")) == IDNO)
        return;
    SqlText = SqlWithValue(Statements::DeleteByKeyPrefix, lstContact->GetSelectedCodes());
    ExecQuery(DM_Main->qry_Pub, SqlText);
    RefreshContactList();
    SelectAndShow(0);
}
