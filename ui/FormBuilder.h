#pragma once

#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;
class TBitBtn;

// The controls the forms place at fixed pixels, each named as the form names it.
namespace FormBuilder {

QLabel *AddLabel(QWidget *container, const QString &caption, QPoint at);
QGroupBox *AddGroupBox(QWidget *container, const QString &name, const QString &caption, const QRect &geometry);
// A one-line edit with its label in the 48 pixels to its left; the label is its buddy.
QLineEdit *AddEdit(QWidget *container, const QString &name, const QString &caption, const QRect &geometry);
// A several-line edit with an always-shown vertical scroll bar; caption may be empty.
QPlainTextEdit *AddMemo(QWidget *container, const QString &name, const QString &caption, const QRect &geometry);
// A 21 x 21 picture button with a tooltip, never a tab stop. The glyph's bottom-left colour
// is its background, left out when it is drawn.
TBitBtn *AddLinkButton(QWidget *container, const QString &name, const QPixmap &glyph, const QString &hint,
                       QPoint at);
QLabel *AddPicture(QWidget *container, const QString &name, const QPixmap &picture, QPoint at);

// Keeps the enabled colours on a control whose container is disabled: such a control only
// displays, but should read like any other field.
void KeepEnabledColours(QWidget *control);

} // namespace FormBuilder
