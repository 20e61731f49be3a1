#include "skin/ControlKinds.h"

#include "ui/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolBar>
#include <cstring>
#include <initializer_list>

namespace ControlKinds {
namespace {

template <typename T>
bool IsA(const QObject *object)
{
    return qobject_cast<const T *>(object) != nullptr;
}

bool Named(const QObject *object, std::initializer_list<const char *> names)
{
    const char *className = object->metaObject()->className();
    for (const char *name : names)
        if (std::strcmp(className, name) == 0)
            return true;
    return false;
}

bool IsDateTimeEditor(const QObject *object)
{
    return Named(object, {"TDBDateTimeEditEh", "TDateTimePicker", "TRzDateTimeEdit"});
}

template <typename Element>
struct KindRow {
    Element element;
    bool (*matches)(const QObject *object);
};

const KindRow<TXPControl> ControlRows[] = {
    {xcCombo, [](const QObject *o) { return IsA<QComboBox>(o) || IsDateTimeEditor(o); }},
    {xcEdit, IsA<QLineEdit>},
    {xcMaskEdit, [](const QObject *o) { return Named(o, {"TMaskEdit", "TDBEdit"}); }},
    {xcMemo, [](const QObject *o) { return IsA<QPlainTextEdit>(o) || IsA<QTextEdit>(o); }},
    {xcRichEdit, IsA<QTextEdit>},
    {xcCheckBox, IsA<QCheckBox>},
    {xcRadioButton, IsA<QRadioButton>},
    {xcButton, [](const QObject *o) { return Named(o, {"QPushButton", "TUpDown"}); }},
    {xcBitBtn, [](const QObject *o) { return Named(o, {"TBitBtn"}); }},
    {xcSpeedButton, IsA<TSpeedButton>},
    {xcPanel, IsA<TPanel>},
    {xcGroupBox, IsA<QGroupBox>},
};

bool IsFormClientArea(const QObject *object)
{
    const auto *widget = qobject_cast<const QWidget *>(object);
    if (!widget)
        return false;
    const auto *window = qobject_cast<const QMainWindow *>(widget->parentWidget());
    return widget->isWindow() || (window && window->centralWidget() == widget);
}

// A scroll box's controls stand on the widget its viewport scrolls.
bool IsScrolledWidget(const QObject *object)
{
    const auto *widget = qobject_cast<const QWidget *>(object);
    const QWidget *viewport = widget ? widget->parentWidget() : nullptr;
    const auto *area = viewport ? qobject_cast<const QScrollArea *>(viewport->parentWidget()) : nullptr;
    return area && area->widget() == widget;
}

bool IsTabPage(const QObject *object)
{
    const auto *stack = qobject_cast<const QStackedWidget *>(object->parent());
    return (stack && IsA<QTabWidget>(stack->parent())) || Named(object, {"TdxTabSheet", "TRzTabSheet"});
}

// No Qt class plays a cool bar or a page scroller; their elements are kept for the set only.
const KindRow<TXPContainer> ContainerRows[] = {
    {xccForm, IsFormClientArea},
    {xccFrame, [](const QObject *o) { return Named(o, {"TDBCtrlPanel"}); }},
    {xccToolbar, IsA<QToolBar>},
    {xccControlbar, IsA<TControlBar>},
    {xccPanel, IsA<TPanel>},
    {xccScrollBox, IsScrolledWidget},
    {xccGroupBox, IsA<QGroupBox>},
    {xccTabSheet, IsTabPage},
};

template <typename Row, typename Set>
bool MatchesRow(const Row &rows, Set set, const QObject *object)
{
    for (const auto &row : rows)
        if (set.Contains(row.element) && row.matches(object))
            return true;
    return false;
}

} // namespace

bool IsSkinnedKind(const QObject *control, TXPControls controls)
{
    return MatchesRow(ControlRows, controls, control);
}

bool IsSkinnedContainer(const QWidget *parent, TXPContainers containers)
{
    return parent && MatchesRow(ContainerRows, containers, parent);
}

bool IsGraphicControl(const QWidget *control)
{
    return IsA<TSpeedButton>(control);
}

Painter PainterOf(const QWidget *control)
{
    if (IsA<QComboBox>(control) || IsDateTimeEditor(control))
        return Painter::ComboBox;
    if (IsA<QTextEdit>(control))
        return Painter::RichEdit;
    if (IsA<QLineEdit>(control) || IsA<QPlainTextEdit>(control))
        return Painter::Edit;
    if (IsA<QCheckBox>(control))
        return Painter::CheckBox;
    if (IsA<QRadioButton>(control))
        return Painter::RadioButton;
    if (IsA<TBitBtn>(control))
        return Painter::BitBtn;
    if (IsA<QPushButton>(control))
        return Painter::Button;
    if (IsA<TSpeedButton>(control))
        return Painter::SpeedButton;
    if (IsA<TPanel>(control))
        return Painter::Panel;
    if (IsA<QGroupBox>(control))
        return Painter::GroupBox;
    return Painter::None;
}

bool PaintsOnlyWithItsOwnPainting(Painter painter)
{
    return painter == Painter::Panel || painter == Painter::GroupBox;
}

} // namespace ControlKinds
