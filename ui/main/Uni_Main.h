#pragma once

#include <QMainWindow>
#include <QString>

class QAction;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QToolBar;
class QToolButton;
class QWidget;
class StatusBar;
class TBitBtn;
class TPanel;
class TCodeListBox;

// The main window: the search box and the contact list on the left, the displayed contact
// read-only on the right, toolbar above, status bar below, and the menu bar.
class Tfrm_Main : public QMainWindow {
    Q_OBJECT
public:
    // Opens contacts.dat in databaseFolder (beside the executable unless a caller says
    // otherwise) and fills the list. When the database cannot be opened, Terminated() is
    // true and the window is not to be used.
    explicit Tfrm_Main(const QString &databaseFolder = QString(), QWidget *parent = nullptr);
    ~Tfrm_Main() override;

    bool Terminated() const { return m_terminated; }
    bool StayOnTop() const;

    // The key of the contact whose details are shown; empty when none is.
    QString DisplayedContactKey() const;

    enum StatusPanel { PanelName = 0, PanelRecord = 1, PanelCount = 2, PanelDate = 3 };

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate(const QString &databaseFolder);
    void FormShow();
    void FormKeyDown(QKeyEvent *event);

    void createToolBar();
    void createSearchAndList();
    void createNameAndAddress();
    void createPhoneNumbers();
    void createInternet();
    void createNotes();
    void createStatusBar();
    void createMenus();

    // The list, the details and the window's own commands (Uni_Main.cpp).
    Q_INVOKABLE void RefreshContactList();
    void lstContactClick();
    void edtSearchChange();
    QList<QWidget *> DetailFields() const;
    void SelectAndShow(int index);
    void SortbyName1Click();
    void StayonTop1Click();
    void Exit1Click();

    // Add, edit and delete (Uni_Main_Contacts.cpp).
    void ReselectAfterEditor(const QString &key);
    void AddContact1Click();
    void DEditContact1Click();
    void DeleteContact1Click();

    // The messenger import (Uni_Main_Import.cpp).
    void exportmsncontact1Click();
    void ImportMessengerContacts();

    // The printout (Uni_Main_Print.cpp).
    void PrintAll1Click();
    void PrintSelected1Click();
    void PrintContacts(const QString &keyPattern);

    // Web site, e-mail, help and About (Uni_Main_Links.cpp).
    void GotoWebSite1Click();
    void SendEMail1Click();
    void btnEMail2Click();
    void SendEmail21Click();
    void Content1Click();
    void About1Click();

    QAction *addMenuItem(QMenu *menu, const QString &name, const QString &caption, void (Tfrm_Main::*handler)(),
                         int image = -1);
    QToolButton *addToolButton(const QString &name, const QString &caption, int image,
                               void (Tfrm_Main::*handler)());

    QString SqlText;
    bool m_terminated = false;

    QWidget *CoolBar1 = nullptr;
    QToolBar *ToolBar1 = nullptr;
    QLineEdit *edtSearch = nullptr;
    TCodeListBox *lstContact = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    QGroupBox *GroupBox2 = nullptr;
    QGroupBox *GroupBox3 = nullptr;
    QGroupBox *GroupBox4 = nullptr;
    TPanel *Panel1 = nullptr;
    QLineEdit *edtName = nullptr;
    QPlainTextEdit *memAddress = nullptr;
    QLineEdit *edtHome1 = nullptr;
    QLineEdit *edtHome2 = nullptr;
    QLineEdit *edtFax1 = nullptr;
    QLineEdit *edtBiz1 = nullptr;
    QLineEdit *edtBiz2 = nullptr;
    QLineEdit *edtFax2 = nullptr;
    QLineEdit *edtWeb = nullptr;
    QLineEdit *edtMail1 = nullptr;
    QLineEdit *edtMail2 = nullptr;
    QPlainTextEdit *memNotes = nullptr;
    TBitBtn *btnWeb = nullptr;
    TBitBtn *btnEMail1 = nullptr;
    TBitBtn *btnEMail2 = nullptr;
    StatusBar *sbMain = nullptr;
    QAction *SortbyName1 = nullptr;
    QAction *StayonTop1 = nullptr;
};
