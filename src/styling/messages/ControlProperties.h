#pragma once

#include <cstdint>

class QWidget;

// The design properties of combo boxes and text boxes that have no Qt property of the same name. Setting
// or reading them on any other control raises run-time error 438.
namespace quorlex::messages {

// 0 = flat, 1 = 3D. A flat combo box loses its frame (something else draws one); a text box has one
// border look in Qt, so only BorderStyle changes what it shows.
void SetAppearance(QWidget &control, std::int16_t appearance);

// Text boxes only: 0 = no border, 1 = a single border.
void SetBorderStyle(QWidget &control, std::int16_t borderStyle);

// True when the user cannot change the control's text: a read-only text box. Combo boxes are never locked.
bool Locked(const QWidget &control);

} // namespace quorlex::messages
