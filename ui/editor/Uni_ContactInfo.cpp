#include "ui/editor/Uni_ContactInfo.h"

#include "resources/Glyphs.h"
#include "skin/FormSkin.h"
#include "store/ErrorReport.h"
#include "store/Uni_DM.h"
#include "store/Uni_Function.h"
#include "ui/ContactFields.h"
#include "ui/Controls.h"
#include "ui/FormBuilder.h"
#include "ui/KeyPreview.h"
#include "ui/LinkCommands.h"
#include "ui/Look.h"
#include "ui/ShowModal.h"
#include "ui/editor/InputLimit.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace FormBuilder;

Tfrm_ContactInfo *frm_ContactInfo = nullptr;

namespace {
constexpr int ClientWidth = 410;
constexpr int ClientHeight = 472;
constexpr int NameLimit = 40;
constexpr int PhoneLimit = 40;
constexpr int InternetLimit = 80;
constexpr int MemoLimit = 255;
const char *const TagProperty = "Tag";

// Fixed border with the system menu and the minimise box, no maximise box.
constexpr Qt::WindowFlags EditorFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
    | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

QLineEdit *limited(QLineEdit *edit, int limit)
{
    SetInputLimit(edit, limit);
    return edit;
}

QPlainTextEdit *limited(QPlainTextEdit *memo, int limit)
{
    SetInputLimit(memo, limit);
    return memo;
}
} // namespace

Tfrm_ContactInfo::Tfrm_ContactInfo(QWidget *parent)
    : QDialog(parent, EditorFlags)
{
    setObjectName(QStringLiteral("frm_ContactInfo"));
    setWindowTitle(QStringLiteral("Contact Info"));
    setFixedSize(ClientWidth, ClientHeight);
    SetTag(AddMode);

    AddPicture(this, QStringLiteral("Image2"), Glyphs::Card(), QPoint(16, 8));
    lblTitle = AddLabel(this, QStringLiteral("Contact Info"), QPoint(64, 6));
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = font();
    titleFont.setPixelSize(24);
    lblTitle->setFont(titleFont);
    lblTitle->resize(ClientWidth - 64 - 8, 30);

    createNameAndAddress();
    createPhoneNumbers();
    createInternet();
    createNotes();
    createButtons();
    setTabOrderAcrossGroups();
    AddFormSkin(this);
    new KeyPreview(this, [this](QKeyEvent *event) { RunGuarded([this, event] { FormKeyDown(event); }); });
    CentreOnDesktop(this);
}

void Tfrm_ContactInfo::createNameAndAddress()
{
    QGroupBox *box = AddGroupBox(this, QStringLiteral("GroupBox1"), QStringLiteral("Name and Address"),
                                 QRect(9, 44, 393, 114));
    edtName = limited(AddEdit(box, QStringLiteral("edtName"), QStringLiteral("Name:"), QRect(56, 18, 329, 21)), NameLimit);
    memAddress = limited(AddMemo(box, QStringLiteral("memAddress"), QStringLiteral("Address:"), QRect(56, 42, 329, 63)),
                         MemoLimit);
}

void Tfrm_ContactInfo::createPhoneNumbers()
{
    QGroupBox *box = AddGroupBox(this, QStringLiteral("GroupBox2"), QStringLiteral("Phone Numbers"),
                                 QRect(9, 163, 393, 77));
    edtHome1 = limited(AddEdit(box, QStringLiteral("edtHome1"), QStringLiteral("Home 1:"), QRect(56, 20, 85, 21)), PhoneLimit);
    edtHome2 = limited(AddEdit(box, QStringLiteral("edtHome2"), QStringLiteral("Home 2:"), QRect(188, 20, 85, 21)), PhoneLimit);
    edtFax1 = limited(AddEdit(box, QStringLiteral("edtFax1"), QStringLiteral("Fax:"), QRect(301, 20, 85, 21)), PhoneLimit);
    edtBiz1 = limited(AddEdit(box, QStringLiteral("edtBiz1"), QStringLiteral("Biz 1:"), QRect(56, 47, 85, 21)), PhoneLimit);
    edtBiz2 = limited(AddEdit(box, QStringLiteral("edtBiz2"), QStringLiteral("Biz 2:"), QRect(188, 47, 85, 21)), PhoneLimit);
    edtFax2 = limited(AddEdit(box, QStringLiteral("edtFax2"), QStringLiteral("Fax:"), QRect(301, 47, 85, 21)), PhoneLimit);
}

void Tfrm_ContactInfo::createInternet()
{
    QGroupBox *box = AddGroupBox(this, QStringLiteral("GroupBox3"), QStringLiteral("Internet"), QRect(9, 247, 393, 97));
    edtWeb = limited(AddEdit(box, QStringLiteral("edtWeb"), QStringLiteral("Web Site:"), QRect(56, 16, 305, 21)),
                     InternetLimit);
    edtMail1 = limited(AddEdit(box, QStringLiteral("edtMail1"), QStringLiteral("EMail 1:"), QRect(56, 41, 305, 21)),
                       InternetLimit);
    edtMail2 = limited(AddEdit(box, QStringLiteral("edtMail2"), QStringLiteral("EMail 2:"), QRect(56, 66, 305, 21)),
                       InternetLimit);
    const QPixmap mail = Glyphs::Mail();
    const QString mailHint = QStringLiteral("Send Email to Contact");
    btnWeb = AddLinkButton(box, QStringLiteral("btnWeb"), Glyphs::Web(),
                           QStringLiteral("Go to Web Site"), QPoint(364, 16));
    btnEMail1 = AddLinkButton(box, QStringLiteral("btnEMail1"), mail, mailHint, QPoint(364, 41));
    btnEMail2 = AddLinkButton(box, QStringLiteral("btnEMail2"), mail, mailHint, QPoint(364, 66));
    connect(btnWeb, &QPushButton::clicked, this, Guarded(this, &Tfrm_ContactInfo::btnWebClick));
    connect(btnEMail1, &QPushButton::clicked, this, Guarded(this, &Tfrm_ContactInfo::btnEMail1Click));
    connect(btnEMail2, &QPushButton::clicked, this, Guarded(this, &Tfrm_ContactInfo::btnEMail2Click));
}

void Tfrm_ContactInfo::createNotes()
{
    QGroupBox *box = AddGroupBox(this, QStringLiteral("GroupBox4"), QStringLiteral("Notes"), QRect(9, 351, 393, 81));
    AddPicture(box, QStringLiteral("Image1"), Glyphs::Notes(), QPoint(9, 25));
    memNotes = limited(AddMemo(box, QStringLiteral("memNotes"), QString(), QRect(48, 13, 337, 58)), MemoLimit);
}

void Tfrm_ContactInfo::createButtons()
{
    btnOK = new TBitBtn(QStringLiteral("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(240, 440, 75, 25);
    btnCancel = new TBitBtn(QStringLiteral("&Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(326, 440, 75, 25);
    // No default button: Enter in a field moves on, it never presses OK.
    for (TBitBtn *button : findChildren<TBitBtn *>())
        button->setAutoDefault(false);
    connect(btnOK, &QPushButton::clicked, this, Guarded(this, &Tfrm_ContactInfo::btnOKClick));
    connect(btnCancel, &QPushButton::clicked, this, Guarded(this, &Tfrm_ContactInfo::btnCancelClick));
}

void Tfrm_ContactInfo::setTabOrderAcrossGroups()
{
    const QList<QWidget *> order = {edtName, memAddress, edtHome1, edtHome2, edtFax1, edtBiz1, edtBiz2,
                                    edtFax2, edtWeb,     edtMail1, edtMail2, memNotes, btnOK,   btnCancel};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

int Tfrm_ContactInfo::Tag() const
{
    return property(TagProperty).toInt();
}

void Tfrm_ContactInfo::SetTag(int mode)
{
    setProperty(TagProperty, mode);
}

void Tfrm_ContactInfo::SetStayOnTop(bool stayOnTop)
{
    setWindowFlag(Qt::WindowStaysOnTopHint, stayOnTop);
}

QList<QWidget *> Tfrm_ContactInfo::Fields() const
{
    return {edtName, memAddress, edtHome1, edtHome2, edtFax1, edtBiz1, edtBiz2, edtFax2, edtWeb, edtMail1, edtMail2, memNotes};
}

QStringList Tfrm_ContactInfo::FieldTexts() const
{
    QStringList texts;
    for (const QWidget *field : Fields())
        texts << FieldText(field);
    return texts;
}

void Tfrm_ContactInfo::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        RunGuarded([this] { FormShow(); });
}

void Tfrm_ContactInfo::FormShow()
{
    if (Tag() == AddMode) {
        setWindowTitle(QStringLiteral("Add a Contact"));
        lblTitle->setText(QStringLiteral("Adding a New Contact"));
        return;
    }
    setWindowTitle(QStringLiteral("Edit a Contact"));
    lblTitle->setText(ContactName);
    btnOK->setText(QStringLiteral("&Update"));
    SqlText = SqlWithValue(Statements::SelectByKeyPrefix, ContactKey);
    StaticQuery &query = DM_Main->qry_Pub;
    OpenQuery(query, SqlText);
    const QList<QWidget *> fields = Fields();
    for (; !query.Eof(); query.Next()) {
        for (int i = 0; i < fields.size(); ++i)
            LoadLimitedField(fields.at(i), query.FieldByName(ContactFieldColumns.at(i)));
    }
}

void Tfrm_ContactInfo::FormKeyDown(QKeyEvent *event)
{
    if (IsEnterKey(event))
        focusNextChild();
}

void Tfrm_ContactInfo::btnOKClick()
{
    if (TrimControls(edtName->text()).isEmpty()) {
        ShowInfo(QStringLiteral("Please enter a valid Name."));
        edtName->setFocus();
        return;
    }
    if (Tag() == AddMode) {
        ContactKey = NewContactKey();
        SqlText = FormatSql(Statements::InsertContact, QStringList{ContactKey} + FieldTexts());
    } else {
        SqlText = FormatSql(Statements::UpdateContact, FieldTexts() << ContactKey);
    }
    ExecQuery(DM_Main->qry_Pub, SqlText);
    done(mrOk);
}

void Tfrm_ContactInfo::btnCancelClick()
{
    reject();
}

// The link buttons act on the fields as typed, saved or not; a text that fails its check
// gets the focus so that the user can mend it.
void Tfrm_ContactInfo::btnWebClick()
{
    if (!OpenWebSite(this, edtWeb->text()))
        edtWeb->setFocus();
}

void Tfrm_ContactInfo::btnEMail1Click()
{
    if (!SendEmailTo(this, edtMail1->text()))
        edtMail1->setFocus();
}

void Tfrm_ContactInfo::btnEMail2Click()
{
    if (!SendEmailTo(this, edtMail2->text()))
        edtMail2->setFocus();
}

void Tfrm_ContactInfo::reject()
{
    done(mrCancel);
}
