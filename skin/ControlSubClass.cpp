#include "skin/ControlSubClass.h"

#include "skin/FlatSkin.h"
#include "skin/MenuItems.h"
#include "ui/Controls.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextEdit>

using namespace ControlKinds;
using namespace ControlProperties;

namespace {

const char *const RecordProperty = "SkinControlRecord";
constexpr int ClassicLookTag = 1234567890;

// How many records are painting right now: a paint asked for meanwhile is queued, since a
// widget cannot be repainted from inside a painting.
int g_painting = 0;

QEvent::Type InvalidateEventType()
{
    static const auto type = QEvent::Type(QEvent::registerEventType());
    return type;
}

bool IsLeftButton(const QEvent *event)
{
    return static_cast<const QMouseEvent *>(event)->button() == Qt::LeftButton;
}

bool IsSpaceKey(const QEvent *event)
{
    return static_cast<const QKeyEvent *>(event)->key() == Qt::Key_Space;
}

// Controls that take a double click as a second press.
bool PressesOnDoubleClick(const QWidget *control)
{
    return qobject_cast<const QPushButton *>(control) || qobject_cast<const TSpeedButton *>(control)
        || qobject_cast<const QCheckBox *>(control);
}

bool IsMouseButtonEvent(const QEvent *event)
{
    const QEvent::Type type = event->type();
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease
        || type == QEvent::MouseButtonDblClick;
}

} // namespace

void TControlSubClass::Attach(TFlatSkin *skin, QWidget *control)
{
    if (!Of(control))
        new TControlSubClass(skin, control);
}

TControlSubClass *TControlSubClass::Of(const QWidget *control)
{
    return qobject_cast<TControlSubClass *>(control->property(RecordProperty).value<QObject *>());
}

void TControlSubClass::Invalidate(QWidget *control)
{
    if (!IsGraphicControl(control)) {
        QEvent invalidate(InvalidateEventType());
        QCoreApplication::sendEvent(control, &invalidate);
    }
    control->update();
}

TControlSubClass::TControlSubClass(TFlatSkin *skin, QWidget *control)
    : QObject(skin)
    , m_skin(skin)
    , m_control(control)
    , m_painter(PainterOf(control))
    , m_graphic(IsGraphicControl(control))
{
    if (m_painter == Painter::Edit || m_painter == Painter::RichEdit) {
        m_savedCtl3D = Ctl3D(control);
        m_savedBorderStyle = BorderStyle(control);
    }
    control->setProperty(RecordProperty, QVariant::fromValue(static_cast<QObject *>(this)));
    control->installEventFilter(this);
    // A text editor's clicks land on its viewport.
    if (auto *area = qobject_cast<QAbstractScrollArea *>(control))
        area->viewport()->installEventFilter(this);
    if (m_painter == Painter::RichEdit && control->parentWidget()) {
        m_frameParent = control->parentWidget();
        m_frameParent->installEventFilter(this);
    }
    ConnectNotifications();
    connect(control, &QObject::destroyed, this, &QObject::deleteLater);
}

// The control's changes that Qt reports by signal rather than by event.
void TControlSubClass::ConnectNotifications()
{
    QWidget *control = m_control;
    const auto textChanged = [this] {
        if (!DetachedFromInactiveSkin())
            Paint();
    };
    const auto checkChanged = [this] {
        if (DetachedFromInactiveSkin())
            return;
        m_isHot = false;
        Paint();
    };
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        connect(edit, &QLineEdit::textChanged, this, textChanged);
    else if (auto *memo = qobject_cast<QPlainTextEdit *>(control))
        connect(memo, &QPlainTextEdit::textChanged, this, textChanged);
    else if (auto *richEdit = qobject_cast<QTextEdit *>(control))
        connect(richEdit, &QTextEdit::textChanged, this, textChanged);
    else if (auto *combo = qobject_cast<QComboBox *>(control))
        connect(combo, &QComboBox::currentTextChanged, this, textChanged);
    else if (auto *checkBox = qobject_cast<QCheckBox *>(control))
        connect(checkBox, &QCheckBox::stateChanged, this, checkChanged);
    else if (auto *radio = qobject_cast<QRadioButton *>(control))
        connect(radio, &QRadioButton::toggled, this, checkChanged);
}

// Going with the skin leaves the control as it is: the skin goes only with its form.
TControlSubClass::~TControlSubClass()
{
    if (QWidget *control = m_control)
        Release(control);
}

// Stops watching first: clearing the property is itself an event of the control, which must
// not reach a record that is going (or a skin that is).
void TControlSubClass::Release(QWidget *control)
{
    m_control = nullptr;
    control->removeEventFilter(this);
    if (auto *area = qobject_cast<QAbstractScrollArea *>(control))
        area->viewport()->removeEventFilter(this);
    if (m_frameParent)
        m_frameParent->removeEventFilter(this);
    disconnect(control, nullptr, this, nullptr);
    control->setProperty(RecordProperty, QVariant());
}

// Gives back the borders the painters changed; the record goes at the next turn of the
// event loop, since it may be inside one of its control's events now.
void TControlSubClass::Detach()
{
    QWidget *control = m_control;
    if (!control)
        return;
    Release(control);
    if (m_painter == Painter::Edit || m_painter == Painter::RichEdit)
        SetCtl3D(control, m_savedCtl3D);
    if (m_painter == Painter::RichEdit) {
        SetBorderStyle(control, m_savedBorderStyle);
        if (m_frameParent)
            m_frameParent->update(control->geometry().adjusted(-1, -1, 1, 1));
    }
    if (m_graphic)
        control->update();
    deleteLater();
}

bool TControlSubClass::DetachedFromInactiveSkin()
{
    if (m_skin->Active())
        return false;
    Detach();
    return true;
}

bool TControlSubClass::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_control || (event->type() == QEvent::Paint && watched == m_resendingTo))
        return false;
    if (watched == m_frameParent) {
        if (event->type() != QEvent::Paint || !m_skin->Active())
            return false;
        PaintOver(m_frameParent, event, &TControlSubClass::PaintRichEditFrame);
        return true;
    }
    if (DetachedFromInactiveSkin())
        return false;
    const bool onViewport = watched != m_control; // a text editor's viewport
    if (event->type() == QEvent::Paint) {
        PaintOver(static_cast<QWidget *>(watched), event,
                  onViewport ? &TControlSubClass::PaintEditOnViewport : &TControlSubClass::RepaintSkin);
        return true;
    }
    if (!onViewport || IsMouseButtonEvent(event))
        React(event);
    return false;
}

void TControlSubClass::React(QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        m_isHot = true;
        Paint();
        break;
    case QEvent::FocusOut:
        m_isHot = false;
        Paint();
        break;
    case QEvent::KeyPress:
        if (IsSpaceKey(event))
            OnSpaceKey(true);
        break;
    case QEvent::KeyRelease:
        // Key repeat sends releases too; only the last one lets the key go.
        if (IsSpaceKey(event) && !static_cast<QKeyEvent *>(event)->isAutoRepeat())
            OnSpaceKey(false);
        break;
    case QEvent::MouseButtonPress:
        if (IsLeftButton(event)) {
            m_isMouseDown = true;
            Paint();
        }
        break;
    case QEvent::MouseButtonRelease:
        if (IsLeftButton(event)) {
            m_isMouseDown = false;
            PaintOrRepaint();
        }
        break;
    case QEvent::MouseButtonDblClick:
        // Qt hands these controls a double click as a press; the record counts it as one.
        if (IsLeftButton(event) && PressesOnDoubleClick(m_control)) {
            m_isMouseDown = true;
            Paint();
        }
        break;
    case QEvent::Enter:
    case QEvent::Leave:
        if (m_control->isEnabled()) {
            m_isHot = event->type() == QEvent::Enter;
            PaintOrRepaint();
        }
        break;
    case QEvent::EnabledChange:
    case QEvent::PaletteChange:
        Paint();
        break;
    default:
        break;
    }
}

// Held down, the key paints once: key repeat paints no more.
void TControlSubClass::OnSpaceKey(bool down)
{
    m_isSpaceDown = down;
    if (down && m_spaceDownPainted)
        return;
    m_spaceDownPainted = down;
    Paint();
}

// Paints the control now, over its own painting. Panels and group boxes are painted only
// with their own painting, and a rich edit's frame on its parent.
void TControlSubClass::Paint()
{
    if (PaintsOnlyWithItsOwnPainting(m_painter))
        return;
    QWidget *target = m_painter == Painter::RichEdit ? m_frameParent.data() : m_control.data();
    if (!target)
        return;
    const QRect area = target == m_control ? m_control->rect() : m_control->geometry().adjusted(-1, -1, 1, 1);
    if (g_painting > 0)
        target->update(area);
    else
        target->repaint(area);
}

// A graphic control is asked to repaint itself; the others are painted now.
void TControlSubClass::PaintOrRepaint()
{
    if (m_graphic)
        m_control->update();
    else
        Paint();
}

// The widget paints itself first, unless it is a graphic control, which the skin alone
// paints; then the skin paints over it.
void TControlSubClass::PaintOver(QWidget *widget, QEvent *paintEvent, void (TControlSubClass::*paint)())
{
    if (widget != m_control || !m_graphic) {
        QObject *const previous = m_resendingTo;
        m_resendingTo = widget;
        QCoreApplication::sendEvent(widget, paintEvent);
        m_resendingTo = previous;
    }
    if (!m_control)
        return;
    ++g_painting;
    (this->*paint)();
    --g_painting;
}

bool TControlSubClass::UsesXPLook() const
{
    return m_skin->ControlUseTrueXPStyle() && Tag(m_control) != ClassicLookTag;
}

void TControlSubClass::RepaintSkin()
{
    QWidget *control = m_control;
    if (Tag(control) < 0 || m_painter == Painter::None || m_painter == Painter::RichEdit)
        return;
    m_hasFocus = !m_graphic && control->hasFocus();
    if (m_painter == Painter::Button || m_painter == Painter::BitBtn) {
        // A button's face is drawn whole, on an image whose pixels the caption reads back.
        QImage face(control->size(), QImage::Format_RGB32);
        {
            SkinCanvas canvas(face, control);
            m_painter == Painter::Button ? SkinButton(canvas) : SkinBitBtn(canvas);
        }
        QPainter(control).drawImage(0, 0, face);
        return;
    }
    QPainter painter(control);
    SkinCanvas canvas(painter);
    switch (m_painter) {
    case Painter::ComboBox:
        return SkinComboBox(canvas);
    case Painter::Edit:
        return SkinEdit(canvas);
    case Painter::CheckBox:
        return SkinCheckBox(canvas);
    case Painter::RadioButton:
        return SkinRadioButton(canvas);
    case Painter::SpeedButton:
        return SkinSpeedButton(canvas);
    case Painter::Panel:
        return SkinPanel(canvas);
    case Painter::GroupBox:
        return SkinGroupBox(canvas);
    default:
        return;
    }
}

// A text editor's frame lies on its own edge, which its viewport covers where the editor
// has no border of its own.
void TControlSubClass::PaintEditOnViewport()
{
    if (Tag(m_control) < 0 || m_painter != Painter::Edit)
        return;
    QWidget *viewport = static_cast<QAbstractScrollArea *>(m_control.data())->viewport();
    m_hasFocus = m_control->hasFocus();
    QPainter painter(viewport);
    painter.translate(-viewport->pos());
    SkinCanvas canvas(painter);
    SkinEdit(canvas);
}

void TControlSubClass::PaintRichEditFrame()
{
    if (Tag(m_control) < 0)
        return;
    m_hasFocus = m_control->hasFocus();
    QPainter painter(m_frameParent);
    SkinCanvas canvas(painter);
    SkinRichEdit(canvas);
}
