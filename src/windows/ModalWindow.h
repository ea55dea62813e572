#pragma once

#include <QDialog>

namespace windows {

// A modal window of the program. Only its own buttons and its close box close
// it: Esc has no meaning of its own here.
class ModalWindow : public QDialog {
    Q_OBJECT

public:
    using QDialog::QDialog;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace windows
