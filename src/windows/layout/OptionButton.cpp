#include "windows/layout/OptionButton.h"

#include <QKeyEvent>
#include <algorithm>

namespace windows::layout {

OptionButton::OptionButton(const QString& caption, QWidget* parent)
    : QRadioButton(caption, parent) {
    setFocusPolicy(Qt::ClickFocus);
    connect(this, &QRadioButton::toggled, this, &OptionButton::followSelection);
}

bool OptionButton::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

void OptionButton::focusInEvent(QFocusEvent* event) {
    QRadioButton::focusInEvent(event);
    // QAbstractButton has just made the focused button the group's Tab stop;
    // the selected one stays the stop.
    keepSelectedAsGroupStop();
}

void OptionButton::keyPressEvent(QKeyEvent* event) {
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Down:
    case Qt::Key_Right:
        step = 1;
        break;
    case Qt::Key_Up:
    case Qt::Key_Left:
        step = -1;
        break;
    default:
        QRadioButton::keyPressEvent(event);
        return;
    }
    // The arrow keys select the next button of the group as they move to it,
    // in the order the buttons stand, top to bottom, and round again.
    QList<OptionButton*> group = buttonsOfGroup();
    group.removeIf(
        [](const OptionButton* button) { return !button->isEnabled() || !button->isVisible(); });
    std::sort(group.begin(), group.end(), [](const OptionButton* a, const OptionButton* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    const auto count = group.size();
    const auto next = group.value((group.indexOf(this) + step + count) % count, this);
    if (next != this) {
        next->click();
        next->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    }
    event->accept();
}

void OptionButton::followSelection(bool selected) {
    // A click on a button alone in its group would clear it; it stays
    // selected, as a group always has one selected button.
    const QList<OptionButton*> group = buttonsOfGroup();
    if (!selected && std::none_of(group.begin(), group.end(),
                                  [](const OptionButton* button) { return button->isChecked(); })) {
        setChecked(true);
        return;
    }
    keepSelectedAsGroupStop();
}

QList<OptionButton*> OptionButton::buttonsOfGroup() const {
    if (!parentWidget())
        return {const_cast<OptionButton*>(this)};
    return parentWidget()->findChildren<OptionButton*>(QString(), Qt::FindDirectChildrenOnly);
}

void OptionButton::keepSelectedAsGroupStop() {
    for (OptionButton* button : buttonsOfGroup())
        button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

} // namespace windows::layout
