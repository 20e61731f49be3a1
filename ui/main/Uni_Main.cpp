#include "ui/main/Uni_Main.h"

#include "resources/Glyphs.h"
#include "skin/FormSkin.h"
#include "skin/MenuItems.h"
#include "store/ErrorReport.h"
#include "store/Uni_DM.h"
#include "store/Uni_Function.h"
#include "ui/Controls.h"
#include "ui/ContactFields.h"
#include "ui/FormBuilder.h"
#include "ui/KeyPreview.h"
#include "ui/Look.h"
#include "ui/main/CodeListBox.h"
#include "ui/main/StatusBar.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QToolBar>
#include <QToolButton>

using namespace FormBuilder;

namespace {
constexpr int ClientWidth = 562;
constexpr int ClientHeight = 451;
const char *const ContactKeyProperty = "ContactKey";

// Fixed border with the system menu and the minimise box only.
constexpr Qt::WindowFlags MainWindowFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
    | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
} // namespace

Tfrm_Main::Tfrm_Main(const QString &databaseFolder, QWidget *parent)
    : QMainWindow(parent, MainWindowFlags | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frm_Main"));
    setWindowTitle(QStringLiteral("Pelmora"));
    auto *client = new QWidget(this);
    client->setFixedSize(ClientWidth, ClientHeight);
    setCentralWidget(client);

    createToolBar();
    createSearchAndList();
    createNameAndAddress();
    createPhoneNumbers();
    createInternet();
    createNotes();
    createStatusBar();
    createMenus();
    AddFormSkin(this);
    // The menu bar lies outside the client area, as on the classic desktop.
    menuBar()->ensurePolished();
    setFixedSize(ClientWidth, ClientHeight + menuBar()->heightForWidth(ClientWidth));
    new KeyPreview(this, [this](QKeyEvent *event) { RunGuarded([this, event] { FormKeyDown(event); }); });
    CentreOnDesktop(this);

    FormCreate(databaseFolder.isEmpty() ? QCoreApplication::applicationDirPath() : databaseFolder);
}

Tfrm_Main::~Tfrm_Main() = default;

void Tfrm_Main::createToolBar()
{
    CoolBar1 = new QFrame(centralWidget());
    CoolBar1->setObjectName(QStringLiteral("CoolBar1"));
    static_cast<QFrame *>(CoolBar1)->setFrameStyle(QFrame::Panel | QFrame::Raised);
    CoolBar1->setGeometry(0, 0, ClientWidth, 40);

    ToolBar1 = new QToolBar(CoolBar1);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setGeometry(2, 2, ClientWidth - 4, 36);
    ToolBar1->setIconSize(QSize(16, 16));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setContentsMargins(0, 0, 0, 0);
    addToolButton(QStringLiteral("tbAdd"), QStringLiteral("Add Contact"), TDM_Main::ImageAdd,
                  &Tfrm_Main::AddContact1Click);
    addToolButton(QStringLiteral("ttbEdit"), QStringLiteral("Edit Contact"), TDM_Main::ImageEdit,
                  &Tfrm_Main::DEditContact1Click);
    addToolButton(QStringLiteral("tbDel"), QStringLiteral("Delete Contact"), TDM_Main::ImageDelete,
                  &Tfrm_Main::DeleteContact1Click);
    auto *separator = new QWidget(ToolBar1);
    separator->setObjectName(QStringLiteral("ToolButton1"));
    separator->setFixedWidth(8);
    ToolBar1->addWidget(separator);
    addToolButton(QStringLiteral("tbExit"), QStringLiteral("Exit"), TDM_Main::ImageExit, &Tfrm_Main::Exit1Click);
}

QToolButton *Tfrm_Main::addToolButton(const QString &name, const QString &caption, int image,
                                      void (Tfrm_Main::*handler)())
{
    auto *button = new QToolButton(ToolBar1);
    button->setObjectName(name);
    button->setText(caption);
    button->setIcon(Glyphs::WithoutBackground(DM_Main->ImgList.at(image)));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedHeight(36);
    if (handler)
        connect(button, &QToolButton::clicked, this, Guarded(this, handler));
    ToolBar1->addWidget(button);
    return button;
}

void Tfrm_Main::createSearchAndList()
{
    AddLabel(centralWidget(), QStringLiteral("Search"), QPoint(8, 44))->setObjectName(QStringLiteral("Label1"));
    edtSearch = new QLineEdit(centralWidget());
    edtSearch->setObjectName(QStringLiteral("edtSearch"));
    edtSearch->setGeometry(8, 63, 145, 21);

    lstContact = new TCodeListBox(centralWidget());
    lstContact->setObjectName(QStringLiteral("lstContact"));
    lstContact->setGeometry(8, 93, 145, 332);
    lstContact->setToolTip(QStringLiteral("Contact list"));
    setTabOrder(edtSearch, lstContact);
    connect(lstContact, &TCodeListBox::Click, this, Guarded(this, &Tfrm_Main::lstContactClick));
    connect(edtSearch, &QLineEdit::textChanged, this, Guarded(this, &Tfrm_Main::edtSearchChange));
}

void Tfrm_Main::createNameAndAddress()
{
    GroupBox1 = AddGroupBox(centralWidget(), QStringLiteral("GroupBox1"), QStringLiteral("Name and Address"),
                            QRect(160, 44, 393, 114));
    edtName = AddEdit(GroupBox1, QStringLiteral("edtName"), QStringLiteral("Name:"), QRect(56, 18, 329, 21));
    memAddress = AddMemo(GroupBox1, QStringLiteral("memAddress"), QStringLiteral("Address:"), QRect(56, 42, 329, 63));
}

void Tfrm_Main::createPhoneNumbers()
{
    GroupBox2 = AddGroupBox(centralWidget(), QStringLiteral("GroupBox2"), QStringLiteral("Phone Numbers"),
                            QRect(160, 161, 393, 77));
    edtHome1 = AddEdit(GroupBox2, QStringLiteral("edtHome1"), QStringLiteral("Home 1:"), QRect(56, 20, 85, 21));
    edtHome2 = AddEdit(GroupBox2, QStringLiteral("edtHome2"), QStringLiteral("Home 2:"), QRect(188, 20, 85, 21));
    edtFax1 = AddEdit(GroupBox2, QStringLiteral("edtFax1"), QStringLiteral("Fax:"), QRect(301, 20, 85, 21));
    edtBiz1 = AddEdit(GroupBox2, QStringLiteral("edtBiz1"), QStringLiteral("Biz 1:"), QRect(56, 47, 85, 21));
    edtBiz2 = AddEdit(GroupBox2, QStringLiteral("edtBiz2"), QStringLiteral("Biz 2:"), QRect(188, 47, 85, 21));
    edtFax2 = AddEdit(GroupBox2, QStringLiteral("edtFax2"), QStringLiteral("Fax:"), QRect(301, 47, 85, 21));
}

void Tfrm_Main::createInternet()
{
    GroupBox3 = AddGroupBox(centralWidget(), QStringLiteral("GroupBox3"), QStringLiteral("Internet"),
                            QRect(160, 245, 393, 97));
    Panel1 = new TPanel(GroupBox3);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->SetBevelOuter(bvNone);
    Panel1->setGeometry(2, 15, 367, 80);
    edtWeb = AddEdit(Panel1, QStringLiteral("edtWeb"), QStringLiteral("Web Site:"), QRect(56, 4, 305, 21));
    edtMail1 = AddEdit(Panel1, QStringLiteral("edtMail1"), QStringLiteral("EMail 1:"), QRect(56, 30, 305, 21));
    edtMail2 = AddEdit(Panel1, QStringLiteral("edtMail2"), QStringLiteral("EMail 2:"), QRect(56, 55, 305, 21));
    const QString mailHint = QStringLiteral("Send Email to Contact");
    btnWeb = AddLinkButton(GroupBox3, QStringLiteral("btnWeb"), Glyphs::Web(),
                           QStringLiteral("Go to Web Site"), QPoint(365, 18));
    btnEMail2 = AddLinkButton(GroupBox3, QStringLiteral("btnEMail2"), Glyphs::Mail(),
                              mailHint, QPoint(365, 44));
    btnEMail1 = AddLinkButton(GroupBox3, QStringLiteral("btnEMail1"), Glyphs::Mail(),
                              mailHint, QPoint(365, 69));
    connect(btnWeb, &TBitBtn::clicked, this, Guarded(this, &Tfrm_Main::GotoWebSite1Click));
    connect(btnEMail2, &TBitBtn::clicked, this, Guarded(this, &Tfrm_Main::btnEMail2Click));
    connect(btnEMail1, &TBitBtn::clicked, this, Guarded(this, &Tfrm_Main::SendEMail1Click));
}

void Tfrm_Main::createNotes()
{
    GroupBox4 = AddGroupBox(centralWidget(), QStringLiteral("GroupBox4"), QStringLiteral("Notes"),
                            QRect(160, 349, 393, 81));
    AddPicture(GroupBox4, QStringLiteral("Image1"), Glyphs::Notes(), QPoint(9, 25));
    memNotes = AddMemo(GroupBox4, QStringLiteral("memNotes"), QString(), QRect(48, 13, 337, 58));

    // The details only display: their containers are disabled, the fields read like fields.
    for (QWidget *container : {static_cast<QWidget *>(GroupBox1), static_cast<QWidget *>(GroupBox2), static_cast<QWidget *>(Panel1),
                               static_cast<QWidget *>(GroupBox4)}) {
        container->setEnabled(false);
        for (QWidget *control : container->findChildren<QWidget *>())
            KeepEnabledColours(control);
    }
    for (QPlainTextEdit *memo : {memAddress, memNotes})
        memo->setReadOnly(true);
    for (QLineEdit *edit : {edtName, edtHome1, edtHome2, edtFax1, edtBiz1, edtBiz2, edtFax2, edtWeb, edtMail1, edtMail2})
        edit->setReadOnly(true);
}

void Tfrm_Main::createStatusBar()
{
    sbMain = new StatusBar({160, 120, 120, 50}, centralWidget());
    sbMain->setObjectName(QStringLiteral("sbMain"));
    sbMain->setGeometry(0, ClientHeight - 19, ClientWidth, 19);
}

QAction *Tfrm_Main::addMenuItem(QMenu *menu, const QString &name, const QString &caption,
                                void (Tfrm_Main::*handler)(), int image)
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(name);
    if (image >= 0) {
        item->setIcon(Glyphs::WithoutBackground(DM_Main->ImgList.at(image)));
        MenuItem::SetImageIndex(item, image);
    }
    if (handler)
        connect(item, &QAction::triggered, this, Guarded(this, handler));
    return item;
}

void Tfrm_Main::createMenus()
{
    auto *mainMenu = new TMainMenu(this);
    mainMenu->setObjectName(QStringLiteral("MainMenu1"));
    mainMenu->SetImages(&DM_Main->ImgList);
    setMenuBar(mainMenu);
    QMenu *file = mainMenu->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File1"));
    addMenuItem(file, QStringLiteral("exportmsncontact1"), QStringLiteral("Import MSN Contact"),
                &Tfrm_Main::exportmsncontact1Click);
    file->addSeparator();
    addMenuItem(file, QStringLiteral("PrintAll1"), QStringLiteral("&Print All"), &Tfrm_Main::PrintAll1Click);
    addMenuItem(file, QStringLiteral("PrintSelected1"), QStringLiteral("Pri&nt Selected "),
                &Tfrm_Main::PrintSelected1Click);
    file->addSeparator();
    StayonTop1 = addMenuItem(file, QStringLiteral("StayonTop1"), QStringLiteral("Stay on &Top"),
                             &Tfrm_Main::StayonTop1Click);
    StayonTop1->setCheckable(true);
    StayonTop1->setChecked(true);
    file->addSeparator();
    addMenuItem(file, QStringLiteral("Exit1"), QStringLiteral("E&xit"), &Tfrm_Main::Exit1Click, TDM_Main::ImageExit);

    QMenu *contacts = mainMenu->addMenu(QStringLiteral("&Contacts"));
    contacts->setObjectName(QStringLiteral("Contacts1"));
    addMenuItem(contacts, QStringLiteral("AddContact1"), QStringLiteral("&Add Contact"), &Tfrm_Main::AddContact1Click,
                TDM_Main::ImageAdd);
    addMenuItem(contacts, QStringLiteral("DEditContact1"), QStringLiteral("&Edit Contact"),
                &Tfrm_Main::DEditContact1Click, TDM_Main::ImageEdit);
    addMenuItem(contacts, QStringLiteral("DeleteContact1"), QStringLiteral("&Delete Contact"),
                &Tfrm_Main::DeleteContact1Click, TDM_Main::ImageDelete);
    contacts->addSeparator();
    addMenuItem(contacts, QStringLiteral("GotoWebSite1"), QStringLiteral("&Go to Web Site"),
                &Tfrm_Main::GotoWebSite1Click);
    addMenuItem(contacts, QStringLiteral("SendEMail1"), QStringLiteral("&Send EMail"), &Tfrm_Main::SendEMail1Click);
    addMenuItem(contacts, QStringLiteral("SendEmail21"), QStringLiteral("Send &Email 2"),
                &Tfrm_Main::SendEmail21Click);
    contacts->addSeparator();
    SortbyName1 = addMenuItem(contacts, QStringLiteral("SortbyName1"), QStringLiteral("Sort by &Name"),
                              &Tfrm_Main::SortbyName1Click);
    SortbyName1->setCheckable(true);
    SortbyName1->setChecked(true);

    QMenu *help = mainMenu->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Help1"));
    addMenuItem(help, QStringLiteral("Content1"), QStringLiteral("&Content"), &Tfrm_Main::Content1Click);
    addMenuItem(help, QStringLiteral("About1"), QStringLiteral("&About"), &Tfrm_Main::About1Click);
}

void Tfrm_Main::FormCreate(const QString &databaseFolder)
{
    sbMain->SetPanelText(PanelDate, QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
    const QString path = QDir(databaseFolder).filePath(QStringLiteral("contacts.dat"));
    if (!OpenDatabase(path)) {
        m_terminated = true;
        return;
    }
    RunGuarded([this] { RefreshContactList(); });
}

void Tfrm_Main::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous()) // not when restored from the task bar
        RunGuarded([this] { FormShow(); });
}

void Tfrm_Main::FormShow()
{
    edtSearch->setFocus();
}

void Tfrm_Main::FormKeyDown(QKeyEvent *event)
{
    if (IsEnterKey(event))
        focusNextChild();
}

bool Tfrm_Main::StayOnTop() const
{
    return windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

QString Tfrm_Main::DisplayedContactKey() const
{
    return edtName->property(ContactKeyProperty).toString();
}

void Tfrm_Main::RefreshContactList()
{
    SqlText = SortbyName1->isChecked() ? Statements::SelectSortedByName : Statements::SelectAll;
    StaticQuery &query = DM_Main->qry_Pub;
    OpenQuery(query, SqlText);
    QStringList names;
    QStringList keys;
    names.reserve(query.RecordCount());
    keys.reserve(query.RecordCount());
    const int keyField = query.FieldIndex(QStringLiteral("pkcontact"));
    const int nameField = query.FieldIndex(QStringLiteral("contactname"));
    for (; !query.Eof(); query.Next()) {
        keys << query.Value(keyField);
        names << query.Value(nameField);
    }
    lstContact->Reload(std::move(names), std::move(keys));
    sbMain->SetPanelText(PanelCount, QStringLiteral("%1 Contacts").arg(query.RecordCount()));
}

QList<QWidget *> Tfrm_Main::DetailFields() const
{
    return {edtName, memAddress, edtHome1, edtHome2, edtFax1, edtBiz1, edtBiz2, edtFax2, edtWeb, edtMail1, edtMail2, memNotes};
}

// The one place where the displayed contact key is set or cleared: the right-hand side
// shows the selected contact as the table holds it now.
void Tfrm_Main::lstContactClick()
{
    edtName->setProperty(ContactKeyProperty, QString());
    for (QWidget *field : DetailFields())
        SetFieldText(field, QString());
    sbMain->SetPanelText(PanelName, QString());
    sbMain->SetPanelText(PanelRecord, QString());
    if (lstContact->count() == 0)
        return;
    const QString key = lstContact->GetSelectedCodes();
    if (key.isEmpty())
        return;
    SqlText = SqlWithValue(Statements::SelectByKeyPrefix, key);
    StaticQuery &query = DM_Main->qry_Pub;
    OpenQuery(query, SqlText);
    for (; !query.Eof(); query.Next()) {
        edtName->setProperty(ContactKeyProperty, query.FieldByName(QStringLiteral("pkcontact")));
        const QList<QWidget *> fields = DetailFields();
        for (int i = 0; i < fields.size(); ++i)
            SetFieldText(fields.at(i), query.FieldByName(ContactFieldColumns.at(i)));
    }
    sbMain->SetPanelText(PanelName, edtName->text());
    sbMain->SetPanelText(PanelRecord, QStringLiteral("Record %1").arg(lstContact->ItemIndex() + 1));
}

void Tfrm_Main::edtSearchChange()
{
    const QString text = TrimControls(edtSearch->text());
    SelectAndShow(text.isEmpty() ? -1 : lstContact->IndexOfPrefix(text));
}

void Tfrm_Main::SelectAndShow(int index)
{
    lstContact->SetItemIndex(index);
    lstContactClick();
}

void Tfrm_Main::SortbyName1Click()
{
    // The check mark is reversed by the menu item itself before this runs.
    RefreshContactList();
    SelectAndShow(DisplayedContactKey().isEmpty() ? -1 : lstContact->IndexOfCode(DisplayedContactKey()));
}

void Tfrm_Main::StayonTop1Click()
{
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, StayonTop1->isChecked());
    if (visible)
        show();
}

void Tfrm_Main::Exit1Click()
{
    close();
}
