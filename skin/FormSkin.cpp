#include "skin/FormSkin.h"

#include "skin/FlatSkin.h"

// The settings in the order a form stores them: ControlUseTrueXPStyle resets the XP colours
// before the stored ones are set, and Active comes last.
TFlatSkin *AddFormSkin(QWidget *form)
{
    auto *skin = new TFlatSkin(form);
    skin->setObjectName(QStringLiteral("FlatSkin1"));
    skin->SetDimLevel(30);
    skin->SetGrayLevel(10);
    QFont tahoma(QStringLiteral("Liberation Sans")); // stands in for Tahoma, height -11
    tahoma.setPixelSize(11);
    skin->SetFont({tahoma, clMenuText});
    skin->SetColor(clBtnFace);
    skin->SetIconBackColor(clBtnFace);
    skin->SetMenuBarColor(clBtnFace);
    skin->SetSelectColor(clHighlight);
    skin->SetSelectBorderColor(clHighlight);
    skin->SetSelectFontColor(clMenuText);
    skin->SetDisabledColor(clInactiveCaption);
    skin->SetSeparatorColor(clBtnFace);
    skin->SetCheckedColor(clHighlight);
    skin->SetIconWidth(24);
    skin->SetDrawSelect(true);
    skin->SetUseSystemColors(true);
    skin->SetOverrideOwnerDraw(false);
    skin->SetGradient(true);
    skin->SetFlatMenu(true);
    skin->SetAutoDetect(false);
    skin->SetControlUseTrueXPStyle(true);
    skin->SetBtnRoundArc(5);
    skin->SetBtnOutLineBorderColor(7552000);
    skin->SetBtnInnerBorderMoveColor(3257087);
    skin->SetBtnInnerBorderFocusColor(15183500);
    skin->SetBtnSurfaceNormalColor(16251903);
    skin->SetBtnSurfaceDownColor(14608359);
    skin->SetBtnSurfaceBottomLineColor(14608359);
    skin->SetBtnSurfaceDownBottomLineColor(15199215);
    skin->SetRdoChkControlChkColor(41472);
    skin->SetComboBoxChkColor(9201994);
    skin->SetComboboxSurfaceMoveColor(16771030);
    skin->SetControlDisabledBorderColor(11913158);
    skin->SetActive(true);
    return skin;
}
