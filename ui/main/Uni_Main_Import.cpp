// The main window's import of the signed-in messenger user's contact list.
#include "ui/main/Uni_Main.h"

#include "import/MessengerAPI_TLB.h"
#include "store/Uni_DM.h"
#include "store/Uni_Function.h"
#include "ui/main/CodeListBox.h"

namespace {

// The states in which the messenger has no signed-in user, in the order they are tested.
constexpr MISTATUS NotSignedIn[] = {
    MISTATUS_OFFLINE,
    MISTATUS_LOCAL_FINDING_SERVER,
    MISTATUS_LOCAL_CONNECTING_TO_SERVER,
    MISTATUS_LOCAL_SYNCHRONIZING_WITH_SERVER,
    MISTATUS_LOCAL_DISCONNECTING_FROM_SERVER,
};

} // namespace

void Tfrm_Main::exportmsncontact1Click()
{
    // Each state is tested on a messenger object of its own.
    for (const MISTATUS refused : NotSignedIn) {
        if (CoMessenger::Create()->get_MyStatus() == refused) {
            ShowInfo(QStringLiteral("Please logged on to MSN Messenger."));
            return;
        }
    }
    ImportMessengerContacts();
    RefreshContactList();
    lstContact->SetItemIndex(0);
    lstContactClick();
}

// One new row per messenger contact, each its own statement, so a failure part-way keeps
// the rows stored before it. Nothing already in the table is looked at.
void Tfrm_Main::ImportMessengerContacts()
{
    const std::unique_ptr<IMessenger> messenger = CoMessenger::Create();
    const std::unique_ptr<IMessengerContacts> contacts = messenger->get_MyContacts();
    const qint32 count = contacts->get_Count();
    for (qint32 i = 0; i < count; ++i) {
        const std::unique_ptr<IMessengerContact> contact = contacts->Item(i);
        const QString key = NewContactKey();
        const QString name = contact->get_FriendlyName();
        const QString signinName = contact->get_SigninName();
        const QString home = contact->get_PhoneNumber(MPHONE_TYPE_HOME);
        const QString mobile = contact->get_PhoneNumber(MPHONE_TYPE_MOBILE);
        const QString work = contact->get_PhoneNumber(MPHONE_TYPE_WORK);
        // The mobile number goes in as the second home number, the sign-in name as e-mail.
        SqlText = FormatSql(Statements::InsertImported, {key, name, signinName, home, mobile, work});
        ExecQuery(DM_Main->qry_Pub, SqlText);
    }
}
