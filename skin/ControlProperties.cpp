#include "skin/ControlProperties.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QStyle>
#include <QTextEdit>

namespace ControlProperties {
namespace {

QPalette::ColorRole ColorRole(const QWidget *control)
{
    const bool holdsText = qobject_cast<const QLineEdit *>(control) || qobject_cast<const QAbstractScrollArea *>(control)
        || qobject_cast<const QComboBox *>(control);
    return holdsText ? QPalette::Base : QPalette::Window;
}

} // namespace

bool Ctl3D(const QWidget *edit)
{
    if (const auto *line = qobject_cast<const QLineEdit *>(edit))
        return line->hasFrame();
    if (const auto *box = qobject_cast<const QGroupBox *>(edit))
        return !box->isFlat();
    const auto *frame = qobject_cast<const QFrame *>(edit);
    return frame && frame->frameShadow() == QFrame::Sunken;
}

void SetCtl3D(QWidget *edit, bool on)
{
    if (auto *line = qobject_cast<QLineEdit *>(edit)) {
        line->setFrame(on);
        return;
    }
    auto *frame = qobject_cast<QFrame *>(edit);
    if (!frame || Ctl3D(frame) == on)
        return;
    if (frame->frameShape() == QFrame::NoFrame) {
        frame->setFrameShadow(on ? QFrame::Sunken : QFrame::Plain);
        return;
    }
    frame->setFrameStyle(on ? QFrame::StyledPanel | QFrame::Sunken : QFrame::Box | QFrame::Plain);
    frame->setLineWidth(1);
}

TBorderStyle BorderStyle(const QWidget *edit)
{
    const auto *frame = qobject_cast<const QFrame *>(edit);
    return frame && frame->frameShape() == QFrame::NoFrame ? bsNone : bsSingle;
}

void SetBorderStyle(QWidget *edit, TBorderStyle style)
{
    auto *frame = qobject_cast<QFrame *>(edit);
    if (!frame || BorderStyle(frame) == style)
        return;
    if (style == bsNone)
        frame->setFrameShape(QFrame::NoFrame);
    else
        frame->setFrameShape(frame->frameShadow() == QFrame::Sunken ? QFrame::StyledPanel : QFrame::Box);
}

int BorderWidth(const QWidget *edit)
{
    const auto *richEdit = qobject_cast<const QTextEdit *>(edit);
    return richEdit ? qRound(richEdit->document()->documentMargin()) : 0;
}

void SetBorderWidth(QWidget *edit, int width)
{
    if (auto *richEdit = qobject_cast<QTextEdit *>(edit))
        richEdit->document()->setDocumentMargin(width);
}

TColor ControlColor(const QWidget *control)
{
    return FromQRgb(control->palette().color(QPalette::Active, ColorRole(control)).rgb());
}

void SetControlColor(QWidget *control, TColor color)
{
    if (ControlColor(control) == ColorToRGB(color))
        return;
    QPalette palette = control->palette();
    palette.setColor(ColorRole(control), ToQColor(color));
    control->setPalette(palette);
}

TColor ParentColor(const QWidget *control)
{
    const QWidget *parent = control->parentWidget() ? control->parentWidget() : control;
    return FromQRgb(parent->palette().color(QPalette::Active, parent->backgroundRole()).rgb());
}

TFont ControlFont(const QWidget *control)
{
    return {control->font(), FromQRgb(control->palette().color(QPalette::Active, control->foregroundRole()).rgb())};
}

bool RightToLeft(const QWidget *control)
{
    return control->layoutDirection() == Qt::RightToLeft;
}

int ThumbSize(const QWidget *control)
{
    return control->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, control);
}

bool IsDroppedDown(const QWidget *combo)
{
    const auto *box = qobject_cast<const QComboBox *>(combo);
    return box && box->view() && box->view()->isVisible();
}

} // namespace ControlProperties
