#pragma once

class QComboBox;

namespace quorlex {

// The position of a combo box's selected item, -1 when none is selected. For a combo box whose text part
// can be typed into, an item is selected only while the text shown equals that item's text letter for
// letter: typed text that matches no item leaves no position selected.
int ListIndex(const QComboBox &combo);

// Makes an editable combo box follow what is typed into it: text that equals an item's text (case
// included) selects that item, typing never adds items (Enter included), and completion offers only items
// that begin with the typed text in the same case.
void FollowTypedText(QComboBox &combo);

// Selects an item of a combo box, and shows that item's own text in a text part that was typed into.
void SelectItem(QComboBox &combo, int index);

} // namespace quorlex
