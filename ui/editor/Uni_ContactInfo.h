#pragma once

#include <QDialog>
#include <QList>
#include <QString>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class TBitBtn;

// The modal editor of one contact. Tag 0 adds a contact under a new key; Tag 1 loads the
// row of ContactKey and updates it. It closes with OK (1) only after its statement has run,
// with cancel (2) by Cancel, Escape or the close box.
class Tfrm_ContactInfo : public QDialog {
    Q_OBJECT
public:
    enum Mode { AddMode = 0, EditMode = 1 };

    explicit Tfrm_ContactInfo(QWidget *parent = nullptr);

    int Tag() const;
    void SetTag(int mode);
    void SetStayOnTop(bool stayOnTop);

    QString ContactKey;  // edit: the row to change; add: the key made on OK
    QString ContactName; // edit: the title, as the caller shows the contact

    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createNameAndAddress();
    void createPhoneNumbers();
    void createInternet();
    void createNotes();
    void createButtons();
    void setTabOrderAcrossGroups();

    void FormShow();
    void FormKeyDown(QKeyEvent *event);
    void btnOKClick();
    void btnCancelClick();
    void btnWebClick();
    void btnEMail1Click();
    void btnEMail2Click();

    QList<QWidget *> Fields() const;
    QStringList FieldTexts() const;

    QString SqlText;

    QLabel *lblTitle = nullptr;
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
    TBitBtn *btnOK = nullptr;
    TBitBtn *btnCancel = nullptr;
};

// The editor while an Add or Edit command shows it; nothing otherwise.
extern Tfrm_ContactInfo *frm_ContactInfo;
