#include "widgets/OptionGroupTabStop.h"

#include <QApplication>
#include <QPointer>
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
    // Lives with the buttons, as their sibling: what is still queued for it when they go goes with it.
    auto *keeper = new QObject(options.front()->parentWidget());
    std::vector<QPointer<QRadioButton>> buttons(options.begin(), options.end());
    const auto chooseStop = [buttons] {
        const QWidget *focus = QApplication::focusWidget();
        auto stop = std::find(buttons.begin(), buttons.end(), focus);
        if (stop == buttons.end()) {
            stop = std::find_if(buttons.begin(), buttons.end(), [](const QPointer<QRadioButton> &option) {
                return option && option->isChecked();
            });
        }
        if (stop == buttons.end()) {
            return;
        }
        for (const QPointer<QRadioButton> &option : buttons) {
            if (option) {
                SetTabStop(*option, option == *stop);
            }
        }
    };
    for (QRadioButton *option : options) {
        QObject::connect(option, &QRadioButton::toggled, keeper, chooseStop);
    }
    // Qt makes a button the only stop when it takes the focus, so that the group is entered on whichever
    // button had the focus last. Once the focus has moved on, the selected button becomes the stop again;
    // queued, since the focus also moves while the window and its buttons are being destroyed.
    QObject::connect(qApp, &QApplication::focusChanged, keeper, chooseStop, Qt::QueuedConnection);
    chooseStop();
}

} // namespace quorlex
