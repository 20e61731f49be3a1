#pragma once

#include <QPushButton>

// A push button that shows a small picture (a glyph) beside or instead of its caption.
class TBitBtn : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;
};
