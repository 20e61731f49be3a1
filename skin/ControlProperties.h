#pragma once

#include "skin/SkinCanvas.h"
#include "skin/SkinColors.h"

class QWidget;

// The framework properties the control painters read and change, as Qt's controls hold them.
namespace ControlProperties {

enum TBorderStyle { bsNone = 0, bsSingle = 1 };

// The 3-D look of a control's border: a line edit's frame, a text editor's sunken frame, a
// group box's frame that is not flat. Off, a text editor has a flat one-pixel frame instead
// and a line edit none.
bool Ctl3D(const QWidget *edit);
void SetCtl3D(QWidget *edit, bool on);
// Whether an edit has a border at all.
TBorderStyle BorderStyle(const QWidget *edit);
void SetBorderStyle(QWidget *edit, TBorderStyle style);
// The margin inside a rich edit's border, around its text.
int BorderWidth(const QWidget *edit);
void SetBorderWidth(QWidget *edit, int width);

// Color: the background of the control's text for edits and combo boxes, of the control
// itself for the others. Setting it changes every colour group.
TColor ControlColor(const QWidget *control);
void SetControlColor(QWidget *control, TColor color);
// The colour of the parent's brush.
TColor ParentColor(const QWidget *control);
// The control's font in its own (enabled) text colour.
TFont ControlFont(const QWidget *control);

bool RightToLeft(const QWidget *control);
// The width of a scroll-bar thumb: the size of check boxes, radio circles and combo buttons.
int ThumbSize(const QWidget *control);
// A combo box whose list is dropped down.
bool IsDroppedDown(const QWidget *combo);

} // namespace ControlProperties
