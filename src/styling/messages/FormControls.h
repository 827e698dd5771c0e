#pragma once

#include <vector>

class QWidget;

namespace quorlex::messages {

// The controls of a window, in the order they were placed: every child widget that is not a window of its
// own, depth first, going into containers (group boxes and plain QWidget or QFrame panels) but not into the
// parts of a control (an editable combo box's text part, a scroll area's viewport).
std::vector<QWidget *> Controls(const QWidget &form);

// The direct children of `parent` that are widgets but not windows of their own, in the order they were
// placed.
std::vector<QWidget *> ChildControls(const QWidget &parent);

} // namespace quorlex::messages
