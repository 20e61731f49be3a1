#include "ui/about/Uni_About.h"

#include "resources/Glyphs.h"
#include "skin/FormSkin.h"
#include "store/ErrorReport.h"
#include "store/Shell.h"
#include "ui/Controls.h"
#include "ui/FormBuilder.h"
#include "ui/LinkCommands.h"
#include "ui/Look.h"
#include "ui/ShowModal.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

using namespace FormBuilder;

Tfrm_About *frm_About = nullptr;

const QString Tfrm_About::SupportAddress = QStringLiteral("support@pelmora.example");

namespace {
constexpr int ClientWidth = 329;
constexpr int ClientHeight = 193;

// A dialog border: the close box only, not resizable.
constexpr Qt::WindowFlags AboutFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

QLabel *addNamedLabel(QWidget *container, const char *name, const QString &caption, QPoint at)
{
    QLabel *label = AddLabel(container, caption, at);
    label->setObjectName(QLatin1String(name));
    return label;
}
} // namespace

Tfrm_About::Tfrm_About(QWidget *parent)
    : QDialog(parent, AboutFlags)
{
    setObjectName(QStringLiteral("frm_About"));
    setWindowTitle(QStringLiteral("Abount Pelmora"));
    setFixedSize(ClientWidth, ClientHeight);

    AddPicture(this, QStringLiteral("Image1"), Glyphs::Card(), QPoint(8, 12));
    QLabel *product = addNamedLabel(this, "Label3", QStringLiteral("Pelmora"), QPoint(65, 4));
    QFont productFont = product->font();
    productFont.setPixelSize(19);
    product->setFont(productFont);
    product->adjustSize();
    addNamedLabel(this, "Label4", QStringLiteral("Version:1.1(Build 11.15)"), QPoint(65, 37));
    QLabel *notice = addNamedLabel(this, "Label5",
                                   QStringLiteral("Written by the Pelmora developers\nfor everyone who keeps in touch."),
                                   QPoint(65, 56));
    notice->setFixedSize(199, 26);
    addNamedLabel(this, "Label2", QStringLiteral("    This program is designed to help you organize your Contacts."),
                  QPoint(8, 90));
    addNamedLabel(this, "Label8", QStringLiteral("Technical Support :"), QPoint(8, 120));
    createLink();

    auto *bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    bevel->setGeometry(0, 159, 328, 3);

    btnOK = new TBitBtn(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(224, 165, 95, 25);
    btnOK->setDefault(true);
    connect(btnOK, &TBitBtn::clicked, this, Guarded(this, &Tfrm_About::btnOKClick));
    AddFormSkin(this);
    btnOK->setFocus();
    CentreOnDesktop(this);
}

void Tfrm_About::createLink()
{
    Label9 = addNamedLabel(this, "Label9", SupportAddress, QPoint(8, 136));
    QPalette palette = Label9->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    Label9->setPalette(palette);
    Label9->setCursor(Qt::PointingHandCursor);
    Label9->setToolTip(SupportAddress);
    Label9->setMouseTracking(true);
    Label9->installEventFilter(this);
}

bool Tfrm_About::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != Label9)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove:
        RunGuarded([this] { Label9MouseMove(); });
        break;
    case QEvent::Leave:
        RunGuarded([this] { Label9MouseLeave(); });
        break;
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && Label9->rect().contains(mouse->position().toPoint()))
            RunGuarded([this] { Label9Click(); });
        break;
    }
    default:
        break;
    }
    return false;
}

void Tfrm_About::setLinkUnderlined(bool underlined)
{
    QFont font = Label9->font();
    font.setUnderline(underlined);
    Label9->setFont(font);
}

void Tfrm_About::Label9MouseMove()
{
    setLinkUnderlined(true);
}

void Tfrm_About::Label9MouseLeave()
{
    setLinkUnderlined(false);
}

void Tfrm_About::Label9Click()
{
    ShellExecute(this, QStringLiteral("open"), MailtoLink(SupportAddress) + QStringLiteral("?subject=Pelmora"),
                 SW_SHOWNORMAL);
}

void Tfrm_About::btnOKClick()
{
    done(mrOk);
}

void Tfrm_About::reject()
{
    done(mrCancel);
}

// Without a cancel button Escape closes nothing; Enter presses the default button.
void Tfrm_About::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
