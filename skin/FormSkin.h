#pragma once

class QWidget;
class TFlatSkin;

// Gives a form its skin, FlatSkin1, with the settings every form of the program stores, and
// activates it. Call it after the form's controls and menus are made, so that the skin
// sees them all.
TFlatSkin *AddFormSkin(QWidget *form);
