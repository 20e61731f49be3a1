#pragma once

#include "skin/FlatSkin.h"

class QObject;
class QWidget;

// Which controls the skin attaches to and how it paints them. Qt's classes play the
// framework's kinds: QLineEdit an edit, QPlainTextEdit a memo, QTextEdit a rich edit (also
// a memo), QComboBox a combo box, QCheckBox, QRadioButton, QGroupBox, QPushButton a push
// button; the program's own TBitBtn, TSpeedButton, TPanel and TControlBar the rest. Kinds
// given by an exact class name match that class only, never a descendant.
namespace ControlKinds {

// The control is of a kind in controls.
bool IsSkinnedKind(const QObject *control, TXPControls controls);
// Children of parent may be skinned: it is of a container kind in containers. A form's
// client area (a main window's central widget) counts as the form.
bool IsSkinnedContainer(const QWidget *parent, TXPContainers containers);
// A control the skin alone paints: it has no window of its own and never takes the focus.
bool IsGraphicControl(const QWidget *control);

enum class Painter { None, ComboBox, RichEdit, Edit, CheckBox, RadioButton, BitBtn, Button, SpeedButton, Panel, GroupBox };
// The painter that paints control, by the first kind it is of in this order.
Painter PainterOf(const QWidget *control);
// Panels and group boxes are painted only when they paint themselves.
bool PaintsOnlyWithItsOwnPainting(Painter painter);

} // namespace ControlKinds
