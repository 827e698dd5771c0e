#pragma once

#include <vector>

class QWidget;

namespace quorlex {

// The controls of a window, in the order they were placed: every child widget that is not a window of its
// own, depth first, going into containers (group boxes and plain QWidget or QFrame panels) but not into the
// parts of a control (an editable combo box's text part, a scroll area's viewport).
std::vector<QWidget *> Controls(QWidget &form);

} // namespace quorlex
