#pragma once

#include "widgets/OleColor.h"

#include <QAbstractButton>

namespace quorlex {

// The window's push button: a face in its back colour, edges in three colours of their own, and the
// caption in the button's font. It reports clicks (only while enabled), the pointer entering and leaving
// it, takes the keyboard focus and clicks on Space, and on Enter while it has the focus, like any push
// button.
//
// Colours are OLE colours (&H00BBGGRR, or a system colour with the top bit set), translated through the
// application palette when the button is painted; a colour that cannot be translated is painted as the
// palette's button face (back colour) or button text (edges).
//
// The look (style 1, the only one there is): the face filled with the back colour; the outer edge drawn in
// the highlight colour along the top and left and in the dark-shadow colour along the bottom and right; an
// inner line in the light-shadow colour along the bottom and right. Pressed, the outer edges swap and the
// caption moves down and right by one pixel. Disabled, the caption is drawn engraved in grey. With the
// keyboard focus, a ring inside the edges (see FocusRing).
class CoolButton : public QAbstractButton {
    Q_OBJECT

public:
    // The colours a new button starts with, before anyone sets them.
    static constexpr OleColor kDefaultBackColor = SystemColor(SysColor::BtnFace);
    static constexpr OleColor kDefaultDarkShadow = SystemColor(SysColor::DkShadow3D);
    static constexpr OleColor kDefaultLightShadow = SystemColor(SysColor::BtnShadow);
    static constexpr OleColor kDefaultHighlight = SystemColor(SysColor::BtnHighlight);

    explicit CoolButton(QWidget *parent = nullptr);

    OleColor BackColor() const { return backColor_; }
    void SetBackColor(OleColor color);
    OleColor ColorDarkShadow() const { return darkShadow_; }
    void SetColorDarkShadow(OleColor color);
    OleColor ColorLightShadow() const { return lightShadow_; }
    void SetColorLightShadow(OleColor color);
    OleColor ColorHighlight() const { return highlight_; }
    void SetColorHighlight(OleColor color);
    int Style() const { return style_; }
    void SetStyle(int style) { style_ = style; }

    // The colours as they are painted now.
    QColor FaceColor() const;
    QColor DarkShadowColor() const;
    QColor LightShadowColor() const;
    QColor HighlightColor() const;

    QSize sizeHint() const override;

signals:
    // The mouse pointer moved onto the button.
    void MouseEnter();
    // The mouse pointer left the button.
    void MouseLeave();

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QColor Resolve(OleColor color, QPalette::ColorRole fallback) const;
    void SetColor(OleColor &field, OleColor color);

    OleColor backColor_ = kDefaultBackColor;
    OleColor darkShadow_ = kDefaultDarkShadow;
    OleColor lightShadow_ = kDefaultLightShadow;
    OleColor highlight_ = kDefaultHighlight;
    int style_ = 1;
};

} // namespace quorlex
