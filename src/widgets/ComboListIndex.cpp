#include "widgets/ComboListIndex.h"

#include <QComboBox>
#include <QCompleter>

namespace quorlex {

namespace {

int ExactItem(const QComboBox &combo, const QString &text) {
    return combo.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

} // namespace

int ListIndex(const QComboBox &combo) {
    if (!combo.isEditable()) {
        return combo.currentIndex();
    }
    const QString shown = combo.currentText();
    const int current = combo.currentIndex();
    if (current >= 0 && combo.itemText(current) == shown) {
        return current;
    }
    return ExactItem(combo, shown);
}

void SelectItem(QComboBox &combo, int index) {
    combo.setCurrentIndex(index);
    if (combo.isEditable()) {
        combo.setEditText(combo.itemText(index));
    }
}

void FollowTypedText(QComboBox &combo) {
    combo.setInsertPolicy(QComboBox::NoInsert);
    if (QCompleter *completer = combo.completer()) {
        completer->setCaseSensitivity(Qt::CaseSensitive);
    }
    QObject::connect(&combo, &QComboBox::editTextChanged, &combo, [&combo](const QString &text) {
        const int item = ExactItem(combo, text);
        if (item >= 0 && item != combo.currentIndex()) {
            combo.setCurrentIndex(item);
        }
    });
}

} // namespace quorlex
