#pragma once

#include "skin/SkinCanvas.h"
#include "skin/SkinColors.h"

#include <QImage>
#include <QObject>
#include <QSize>
#include <functional>
#include <initializer_list>

class QAction;
class QWidget;
class MenuStyle;
class TControlBar;

// Parent kinds whose children may be skinned.
enum TXPContainer {
    xccForm, xccFrame, xccToolbar, xccCoolbar, xccControlbar, xccPanel, xccScrollBox, xccGroupBox, xccTabSheet,
    xccPageScroller
};
// Menu and control kinds that are skinned. xcToolbar is kept but nothing depends on it.
enum TXPControl {
    xcMainMenu, xcPopupMenu, xcToolbar, xcControlbar, xcCombo, xcEdit, xcMaskEdit, xcMemo, xcRichEdit, xcCheckBox,
    xcRadioButton, xcButton, xcBitBtn, xcSpeedButton, xcPanel, xcGroupBox
};

// A set of up to sixteen elements, element n in bit n.
template <typename Element, int Count>
class TSmallSet {
public:
    static constexpr quint16 AllBits = quint16((1u << Count) - 1);

    constexpr TSmallSet() = default;
    constexpr explicit TSmallSet(quint16 bits) : m_bits(quint16(bits & AllBits)) {}
    constexpr TSmallSet(std::initializer_list<Element> elements)
    {
        for (Element element : elements)
            m_bits = quint16(m_bits | (1u << element));
    }
    static constexpr TSmallSet All() { return TSmallSet(AllBits); }

    constexpr bool Contains(Element element) const { return m_bits & (1u << element); }
    constexpr quint16 Bits() const { return m_bits; }
    constexpr bool operator==(TSmallSet other) const { return m_bits == other.m_bits; }
    constexpr bool operator!=(TSmallSet other) const { return m_bits != other.m_bits; }

private:
    quint16 m_bits = 0;
};

using TXPContainers = TSmallSet<TXPContainer, 10>;
using TXPControls = TSmallSet<TXPControl, 16>;

// The colours all painting uses, recomputed before every painting.
struct TSkinPalette {
    TColor MenuFace = clWhite;
    TColor IconFace = clWhite;
    TColor SelectFill = clWhite;
    TColor SelectFrame = clBlack;
    TColor SelectText = clBlack;
    TColor CheckFill = clWhite;
    TColor CheckFillHot = clWhite;
    TColor CheckFrame = clBlack;
    TColor BarFace = clWhite;
    TColor DisabledText = clGray;
    TColor SeparatorLine = clGray;
    TColor BorderLine = clGray;
    TColor ShadowLine = clGray;
};

// The skin of a form: dropped on a form and made Active, it owner-draws the form's menus
// (their items carry its measuring and drawing handlers) and attaches itself to the form's
// controls to paint over them. One per form, a child of the form, named FlatSkin1.
class TFlatSkin : public QObject {
    Q_OBJECT
public:
    // The owner must be a form (a top-level window); anything else fails with PelmoraError.
    explicit TFlatSkin(QWidget *owner);
    ~TFlatSkin() override;

    // Properties, in the order a form stores them. Setters without a comment only store.
    int DimLevel() const { return m_dimLevel; }
    void SetDimLevel(int level) { m_dimLevel = quint8(level); }
    int GrayLevel() const { return m_grayLevel; }
    void SetGrayLevel(int level) { m_grayLevel = quint8(level); }
    const TFont &Font() const { return m_font; }
    void SetFont(const TFont &font); // redraws the menu bar
    TColor Color() const { return m_color; }
    void SetColor(TColor color) { m_color = color; }
    TColor IconBackColor() const { return m_iconBackColor; }
    void SetIconBackColor(TColor color) { m_iconBackColor = color; }
    TColor MenuBarColor() const { return m_menuBarColor; }
    void SetMenuBarColor(TColor color); // redraws the menu bar
    TColor SelectColor() const { return m_selectColor; }
    void SetSelectColor(TColor color) { m_selectColor = color; }
    TColor SelectBorderColor() const { return m_selectBorderColor; }
    void SetSelectBorderColor(TColor color) { m_selectBorderColor = color; }
    TColor SelectFontColor() const { return m_selectFontColor; }
    void SetSelectFontColor(TColor color) { m_selectFontColor = color; }
    TColor DisabledColor() const { return m_disabledColor; }
    void SetDisabledColor(TColor color) { m_disabledColor = color; }
    TColor SeparatorColor() const { return m_separatorColor; }
    void SetSeparatorColor(TColor color) { m_separatorColor = color; }
    TColor CheckedColor() const { return m_checkedColor; }
    void SetCheckedColor(TColor color) { m_checkedColor = color; }
    int IconWidth() const { return m_iconWidth; }
    void SetIconWidth(int width) { m_iconWidth = width; }
    bool DrawSelect() const { return m_drawSelect; }
    void SetDrawSelect(bool on) { m_drawSelect = on; }
    bool UseSystemColors() const { return m_useSystemColors; }
    void SetUseSystemColors(bool on); // redraws the menu bar
    // Consulted whenever handlers are installed: activation, set changes, drawn items.
    bool OverrideOwnerDraw() const { return m_overrideOwnerDraw; }
    void SetOverrideOwnerDraw(bool on) { m_overrideOwnerDraw = on; }
    bool Gradient() const { return m_gradient; }
    void SetGradient(bool on) { m_gradient = on; }
    bool FlatMenu() const { return m_flatMenu; }
    void SetFlatMenu(bool on) { m_flatMenu = on; }
    // Kept only: hooking inserted items at once would change nothing for an active skin.
    bool AutoDetect() const { return m_autoDetect; }
    void SetAutoDetect(bool on) { m_autoDetect = on; }
    TXPContainers XPContainers() const { return m_xpContainers; }
    void SetXPContainers(TXPContainers containers); // rehooks an active skin when it changes
    TXPControls XPControls() const { return m_xpControls; }
    void SetXPControls(TXPControls controls); // rehooks an active skin when it changes
    bool Active() const { return m_active; }
    void SetActive(bool active); // hooks or unhooks the form, redraws the menu bar
    bool ControlUseTrueXPStyle() const { return m_controlUseTrueXPStyle; }
    void SetControlUseTrueXPStyle(bool on); // true resets the arc and the XP colours
    int BtnRoundArc() const { return m_btnRoundArc; }
    void SetBtnRoundArc(int arc) { m_btnRoundArc = arc; }
    TColor BtnOutLineBorderColor() const { return m_btnOutLineBorderColor; }
    void SetBtnOutLineBorderColor(TColor color) { m_btnOutLineBorderColor = color; }
    TColor BtnInnerBorderMoveColor() const { return m_btnInnerBorderMoveColor; }
    void SetBtnInnerBorderMoveColor(TColor color) { m_btnInnerBorderMoveColor = color; }
    TColor BtnInnerBorderFocusColor() const { return m_btnInnerBorderFocusColor; }
    void SetBtnInnerBorderFocusColor(TColor color) { m_btnInnerBorderFocusColor = color; }
    TColor BtnSurfaceNormalColor() const { return m_btnSurfaceNormalColor; }
    void SetBtnSurfaceNormalColor(TColor color) { m_btnSurfaceNormalColor = color; }
    TColor BtnSurfaceDownColor() const { return m_btnSurfaceDownColor; }
    void SetBtnSurfaceDownColor(TColor color) { m_btnSurfaceDownColor = color; }
    TColor BtnSurfaceBottomLineColor() const { return m_btnSurfaceBottomLineColor; }
    void SetBtnSurfaceBottomLineColor(TColor color) { m_btnSurfaceBottomLineColor = color; }
    TColor BtnSurfaceDownBottomLineColor() const { return m_btnSurfaceDownBottomLineColor; }
    void SetBtnSurfaceDownBottomLineColor(TColor color) { m_btnSurfaceDownBottomLineColor = color; }
    TColor RdoChkControlChkColor() const { return m_rdoChkControlChkColor; }
    void SetRdoChkControlChkColor(TColor color) { m_rdoChkControlChkColor = color; }
    TColor ComboBoxChkColor() const { return m_comboBoxChkColor; }
    void SetComboBoxChkColor(TColor color) { m_comboBoxChkColor = color; }
    TColor ComboboxSurfaceMoveColor() const { return m_comboboxSurfaceMoveColor; }
    void SetComboboxSurfaceMoveColor(TColor color) { m_comboboxSurfaceMoveColor = color; }
    TColor ControlDisabledBorderColor() const { return m_controlDisabledBorderColor; }
    void SetControlDisabledBorderColor(TColor color) { m_controlDisabledBorderColor = color; }
    // Not stored with a form: the fill of a combo box's button while its list is down.
    TColor ComboDroppedColor() const { return m_comboDroppedColor; }

    QWidget *OwnerForm() const { return m_ownerForm; }

    // The font colour when color is light enough to carry it, else color lightened by 90.
    TColor ContrastTextColor(const SkinCanvas &canvas, TColor color) const;

    // Recomputes TrueColor and the palette for the canvas about to be painted; every painter
    // calls it first.
    void RefreshPalette(const SkinCanvas &canvas);
    const TSkinPalette &Palette() const { return m_palette; }
    bool TrueColor() const { return m_trueColor; }

    // The activation walk over the form's components: installs or removes the menus'
    // owner drawing and item handlers, and the control records.
    void HookComponents(QWidget *form, bool install, bool refresh);
    // Gives the skin's handlers to an item's whole menu level and what lies beneath, so
    // that items added after activation are drawn as soon as their level is.
    void RehookMenuLevel(QAction *item);

    // A control bar's band painting event (control painting): options says what the
    // framework draws afterwards.
    void SkinControlBarBand(TControlBar *bar, SkinCanvas &canvas, const TRect &band, int &options);

    // The items' handlers (menu painting).
    void SkinMeasureItem(QAction *item, SkinCanvas &canvas, int &width, int &height);
    void SkinDrawItem(QAction *item, SkinCanvas &canvas, const TRect &rect, bool selected);
    // The width and height of an item's image; items below the bar are at least IconWidth wide.
    QSize GetItemImageSize(const QAction *item) const;

    // The pieces of item painting; buttons use PaintItemGlyph and PaintItemCaption too,
    // with the button as sender.
    void PaintBarHighlight(SkinCanvas &canvas, bool rightToLeft, TColor barColor, const TRect &r);
    void PaintCheckMark(const QAction *item, bool selected, const TRect &k, SkinCanvas &canvas, bool hasGlyph,
                        bool enabled);
    // Draws bitmap (which it changes: dimmed, grey, ...) in its state within rect.
    void PaintItemGlyph(const QObject *sender, SkinCanvas &canvas, QImage &bitmap, const TRect &rect, bool selected,
                        bool focused, bool enabled, bool checked, bool barItem, bool rightToLeft);
    // Draws a caption with DT_* flags, and a shortcut text when one is given, in its state.
    void PaintItemCaption(const QObject *sender, const QString &text, unsigned flags, const TFont &font,
                          bool rightToLeft, bool barItem, bool isDefault, bool enabled, bool selected,
                          const TRect &rect, SkinCanvas &canvas, const QString &shortcut);
    void FillIconGradient(SkinCanvas &canvas, const TRect &r, bool rightToLeft);
    // The flat frame and shadow of a drop-down menu, on a canvas that covers its whole window.
    void PaintFlatMenuFrame(SkinCanvas &windowCanvas, bool rightToLeft);

    // Pixel operations on glyph bitmaps.
    static void GreyGlyph(QImage &bitmap, int level);
    static void LightenGlyph(QImage &bitmap, int percent);
    static void PaintGlyphShadow(const QImage &bitmap, SkinCanvas &canvas, int x, int y, TColor color);

private:
    bool IsFormBarItem(const QAction *item) const;
    QImage ItemGlyph(const QAction *item, const SkinCanvas &canvas) const;
    void PaintSeparator(SkinCanvas &canvas, const TRect &tr, bool rightToLeft);
    void PaintSoftCaption(SkinCanvas &canvas, const QString &text, const TRect &tr, unsigned flags);
    void SetXPDefaults();
    void LoadSystemMenuFont();
    void SetPaletteFromProperties(const SkinCanvas &canvas);
    void SetPaletteFromSystemColors(const SkinCanvas &canvas);
    void RedrawMenuBar();
    void Rehook(const std::function<void()> &storeNewSet);

    void HookMenu(QWidget *menu, bool install);
    void SetOwnerDraw(QWidget *menu, bool on);
    void HookItemTree(QAction *item, bool install);
    void InstallItemHandlers(QAction *item);
    void RemoveItemHandlers(QAction *item);
    void RehookItemTree(QAction *item);
    bool IsOwnHandler(const QAction *item) const;
    // The control steps of the walk (control hooking): control records and control bars.
    void HookControls(QObject *component, bool install, bool refresh);
    void HookControlBar(TControlBar *bar, bool install, bool refresh);

    QWidget *m_ownerForm = nullptr;
    MenuStyle *m_menuStyle = nullptr;
    TSkinPalette m_palette;
    bool m_trueColor = true;

    quint8 m_dimLevel = 30;
    quint8 m_grayLevel = 10;
    TFont m_font;
    TColor m_color = clBtnFace;
    TColor m_iconBackColor = clBtnFace;
    TColor m_menuBarColor = clBtnFace;
    TColor m_selectColor = clHighlight;
    TColor m_selectBorderColor = clHighlight;
    TColor m_selectFontColor = clMenuText;
    TColor m_disabledColor = clInactiveCaption;
    TColor m_separatorColor = clBtnFace;
    TColor m_checkedColor = clHighlight;
    int m_iconWidth = 24;
    bool m_drawSelect = true;
    bool m_useSystemColors = true;
    bool m_overrideOwnerDraw = false;
    bool m_gradient = false;
    bool m_flatMenu = false;
    bool m_autoDetect = false;
    TXPContainers m_xpContainers = TXPContainers::All();
    TXPControls m_xpControls = TXPControls::All();
    bool m_active = false;
    bool m_controlUseTrueXPStyle = true;
    int m_btnRoundArc = 5;
    TColor m_btnOutLineBorderColor = 0;
    TColor m_btnInnerBorderMoveColor = 0;
    TColor m_btnInnerBorderFocusColor = 0;
    TColor m_btnSurfaceNormalColor = 0;
    TColor m_btnSurfaceDownColor = 0;
    TColor m_btnSurfaceBottomLineColor = 0;
    TColor m_btnSurfaceDownBottomLineColor = 0;
    TColor m_rdoChkControlChkColor = 0;
    TColor m_comboBoxChkColor = 0;
    TColor m_comboboxSurfaceMoveColor = 0;
    TColor m_controlDisabledBorderColor = 0;
    TColor m_comboDroppedColor = 0;
};
