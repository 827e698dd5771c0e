#pragma once

#include <QApplication>
#include <QColor>
#include <QPalette>

namespace quorlex::test {

// Distinct system colours, so that every ring of a frame can be told apart in a picture.
struct TestPalette {
    QColor face{0x40, 0x80, 0x40};      // SysColor::BtnFace
    QColor highlight{0xF0, 0xE0, 0x30}; // SysColor::BtnHighlight
    QColor shadow{0x30, 0x30, 0xA0};    // SysColor::BtnShadow
    QColor window{0xFA, 0xFA, 0xF0};    // SysColor::Window

    // Makes these the application's colours.
    void Apply() const {
        QPalette palette = QApplication::palette();
        palette.setColor(QPalette::Button, face);
        palette.setColor(QPalette::Light, highlight);
        palette.setColor(QPalette::Dark, shadow);
        palette.setColor(QPalette::Base, window);
        QApplication::setPalette(palette);
    }
};

} // namespace quorlex::test
