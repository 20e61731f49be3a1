#include "ui/FormBuilder.h"

#include "ui/Controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace FormBuilder {
namespace {
constexpr int LabelRoom = 48; // labels stand in the 48 pixels left of their fields
constexpr int LabelDrop = 4;  // and 4 pixels lower, level with the field's text
constexpr int LabelGap = 5;   // after a field that reaches into that room
} // namespace

QLabel *AddLabel(QWidget *container, const QString &caption, QPoint at)
{
    auto *label = new QLabel(caption, container);
    label->setTextFormat(Qt::PlainText);
    label->move(at);
    label->adjustSize();
    return label;
}

QGroupBox *AddGroupBox(QWidget *container, const QString &name, const QString &caption, const QRect &geometry)
{
    auto *box = new QGroupBox(caption, container);
    box->setObjectName(name);
    box->setGeometry(geometry);
    return box;
}

// The label stands in the room left of its field, after any field that reaches into it.
static void addBuddyLabel(QWidget *field, const QString &caption)
{
    if (caption.isEmpty())
        return;
    int left = field->x() - LabelRoom;
    for (QWidget *sibling : field->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        const QRect other = sibling->geometry();
        if (sibling != field && other.top() == field->y() && other.left() < field->x() && other.right() >= left)
            left = other.right() + LabelGap;
    }
    QLabel *label = AddLabel(field->parentWidget(), caption, QPoint(left, field->y() + LabelDrop));
    label->setBuddy(field);
}

QLineEdit *AddEdit(QWidget *container, const QString &name, const QString &caption, const QRect &geometry)
{
    auto *edit = new QLineEdit(container);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    addBuddyLabel(edit, caption);
    return edit;
}

QPlainTextEdit *AddMemo(QWidget *container, const QString &name, const QString &caption, const QRect &geometry)
{
    auto *memo = new QPlainTextEdit(container);
    memo->setObjectName(name);
    memo->setGeometry(geometry);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setTabChangesFocus(true);
    addBuddyLabel(memo, caption);
    return memo;
}

TBitBtn *AddLinkButton(QWidget *container, const QString &name, const QPixmap &glyph, const QString &hint,
                       QPoint at)
{
    auto *button = new TBitBtn(container);
    button->setObjectName(name);
    button->setGeometry(QRect(at, QSize(21, 21)));
    button->SetGlyph(glyph.toImage());
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QLabel *AddPicture(QWidget *container, const QString &name, const QPixmap &picture, QPoint at)
{
    auto *label = new QLabel(container);
    label->setObjectName(name);
    label->setPixmap(picture);
    label->setGeometry(QRect(at, QSize(32, 32)));
    return label;
}

void KeepEnabledColours(QWidget *control)
{
    QPalette palette = control->palette();
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto r = QPalette::ColorRole(role);
        palette.setColor(QPalette::Disabled, r, palette.color(QPalette::Active, r));
    }
    control->setPalette(palette);
}

} // namespace FormBuilder
