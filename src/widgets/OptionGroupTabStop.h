#pragma once

#include <span>

class QRadioButton;

namespace quorlex {

// Makes a group of option buttons one stop in the keyboard's tab order, as option groups work on every
// desktop: Tab and Shift+Tab enter the group on its selected button and the next Tab leaves it. While a
// button of the group has the focus, that button is the stop; otherwise the selected one is. The arrow
// keys still move between the buttons. The buttons must lie next to each other in the focus chain, so
// that the group keeps one place in the tab order whichever of them is the stop. Lasts as long as the
// buttons' parent.
void KeepOneTabStop(std::span<QRadioButton *const> options);

} // namespace quorlex
