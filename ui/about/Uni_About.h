#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class TBitBtn;

// The About box: product, version, what the program is for, and the support address as a
// link that starts an e-mail about Pelmora.
class Tfrm_About : public QDialog {
    Q_OBJECT
public:
    explicit Tfrm_About(QWidget *parent = nullptr);

    static const QString SupportAddress;

public slots:
    // Only the close box cancels; it gives the modal result cancel.
    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createLink();
    void Label9MouseMove();
    void Label9MouseLeave();
    void Label9Click();
    void btnOKClick();
    void setLinkUnderlined(bool underlined);

    QLabel *Label9 = nullptr;
    TBitBtn *btnOK = nullptr;
};

// The About box while its command shows it; nullptr otherwise.
extern Tfrm_About *frm_About;
