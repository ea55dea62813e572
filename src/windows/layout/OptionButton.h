#pragma once

#include <QRadioButton>

namespace windows::layout {

// An option button as the form's users know it from other desktop programs:
// a click anywhere in its rectangle selects it, an option group is a single
// stop of the Tab key, entered at the group's selected button, and the arrow
// keys move the selection through the group.
class OptionButton final : public QRadioButton {
    Q_OBJECT

public:
    explicit OptionButton(const QString& caption, QWidget* parent = nullptr);

protected:
    bool hitButton(const QPoint& pos) const override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void followSelection(bool selected);
    QList<OptionButton*> buttonsOfGroup() const;
    // Only the selected button of the group takes Tab; the others still take
    // the focus with a click, which selects them anyway.
    void keepSelectedAsGroupStop();
};

} // namespace windows::layout
