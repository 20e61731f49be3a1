#pragma once

#include <QIcon>
#include <QImage>
#include <QPushButton>
#include <QToolButton>
#include <QWidget>
#include <functional>

class QPainter;

// Where a button's glyph stands beside its caption.
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// A glyph as buttons keep it: a bitmap of NumGlyphs images side by side, whose bottom-left
// pixel gives the colour that is left out when it is drawn.
class TButtonGlyph {
public:
    const QImage &Glyph() const { return m_glyph; }
    int NumGlyphs() const { return m_numGlyphs; }
    TButtonLayout Layout() const { return m_layout; }
    void SetLayout(TButtonLayout layout) { m_layout = layout; }
    int Spacing() const { return m_spacing; }
    void SetSpacing(int spacing) { m_spacing = spacing; }

protected:
    void StoreGlyph(const QImage &glyph, int numGlyphs);
    // The first image with its transparent colour left out, as the framework shows it.
    QIcon FirstImageIcon() const;

private:
    QImage m_glyph;
    int m_numGlyphs = 1;
    TButtonLayout m_layout = blGlyphLeft;
    int m_spacing = 4;
};

// A push button that shows a small picture (a glyph) beside or instead of its caption.
class TBitBtn : public QPushButton, public TButtonGlyph {
    Q_OBJECT
public:
    using QPushButton::QPushButton;
    void SetGlyph(const QImage &glyph, int numGlyphs = 1);
};

// A button without a window of its own and without focus, as tool palettes use them. Down
// keeps it pressed; Flat shows its edge only under the mouse; Transparent lets its
// parent show through.
class TSpeedButton : public QToolButton, public TButtonGlyph {
    Q_OBJECT
public:
    explicit TSpeedButton(QWidget *parent = nullptr);
    void SetGlyph(const QImage &glyph, int numGlyphs = 1);
    bool Down() const { return m_down; }
    void SetDown(bool down);
    bool Flat() const { return autoRaise(); }
    void SetFlat(bool flat) { setAutoRaise(flat); }
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_down = false;
    bool m_transparent = false;
};

enum TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };

// A container with up to two bevels and a centred caption on its own background.
class TPanel : public QWidget {
    Q_OBJECT
public:
    explicit TPanel(QWidget *parent = nullptr);
    TPanelBevel BevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(TPanelBevel bevel);
    TPanelBevel BevelInner() const { return m_bevelInner; }
    void SetBevelInner(TPanelBevel bevel);
    int BevelWidth() const { return m_bevelWidth; }
    void SetBevelWidth(int width);
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int width);
    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void PaintBevel(QPainter &painter, QRect &r, TPanelBevel bevel) const;

    TPanelBevel m_bevelOuter = bvRaised;
    TPanelBevel m_bevelInner = bvNone;
    int m_bevelWidth = 1;
    int m_borderWidth = 0;
    QString m_caption;
};

// What the framework draws around a band of a control bar after its band painting event.
enum TBandPaintOption { bpoGrabber = 1, bpoFrame = 2 };
using TBandPaintOptions = int;

class TControlBar;
using TBandPaintEvent =
    std::function<void(TControlBar *bar, QWidget *control, QPainter &painter, QRect &band, TBandPaintOptions &options)>;

// A bar whose child controls sit on bands with a grabber on their left. OnBandPaint may
// paint a band itself; the owner names who assigned it.
class TControlBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int GrabberWidth = 11;
    explicit TControlBar(QWidget *parent = nullptr);

    struct BandPaintHandler {
        const QObject *Owner = nullptr;
        TBandPaintEvent Call;
        explicit operator bool() const { return bool(Call); }
    };
    BandPaintHandler OnBandPaint;

    // The band that holds control: its grabber on the left and a two-pixel margin.
    static QRect BandRect(const QWidget *control);

protected:
    void paintEvent(QPaintEvent *event) override;
};
