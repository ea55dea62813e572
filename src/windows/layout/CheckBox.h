#pragma once

#include <QCheckBox>

namespace windows::layout {

// A check box that takes a click anywhere in its rectangle, not only on its
// square and caption text.
class CheckBox final : public QCheckBox {
    Q_OBJECT

public:
    using QCheckBox::QCheckBox;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

} // namespace windows::layout
