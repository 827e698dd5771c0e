#include "widgets/OptionGroupTabStop.h"

#include <QApplication>
#include <QRadioButton>
#include <algorithm>
#include <vector>

namespace quorlex {

namespace {

void SetTabStop(QRadioButton &option, bool stop) {
    const Qt::FocusPolicy policy = stop ? Qt::FocusPolicy(option.focusPolicy() | Qt::TabFocus)
                                        : Qt::FocusPolicy(option.focusPolicy() & ~Qt::TabFocus);
    if (policy != option.focusPolicy()) {
        option.setFocusPolicy(policy);
    }
}

} // namespace

void KeepOneTabStop(std::span<QRadioButton *const> options) {
    if (options.empty() || !options.front()->parentWidget()) {
        return;
    }
    QWidget *group = options.front()->parentWidget();
    const std::vector<QRadioButton *> buttons(options.begin(), options.end());
    // Qt itself makes a button the only stop when it takes the focus; the selected button has to become the
    // stop again once the focus has left the group, or the group would be entered on whichever button had
    // the focus last.
    const auto chooseStop = [buttons] {
        const QWidget *focus = QApplication::focusWidget();
        auto stop = std::find(buttons.begin(), buttons.end(), focus);
        if (stop == buttons.end()) {
            stop = std::find_if(buttons.begin(), buttons.end(),
                                [](const QRadioButton *option) { return option->isChecked(); });
        }
        if (stop == buttons.end()) {
            return;
        }
        for (QRadioButton *option : buttons) {
            SetTabStop(*option, option == *stop);
        }
    };
    for (QRadioButton *option : buttons) {
        QObject::connect(option, &QRadioButton::toggled, group, chooseStop);
    }
    QObject::connect(qApp, &QApplication::focusChanged, group, chooseStop);
    chooseStop();
}

} // namespace quorlex
