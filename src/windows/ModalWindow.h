#pragma once

#include <QDialog>

namespace windows {

// A modal window of the program. Only its own buttons and its close box close
// it: Esc has no meaning of its own here.
class ModalWindow : public QDialog {
    Q_OBJECT

public:
    // Modal from the start, before it is shown: the window manager is asked
    // for the frame of a modal window.
    explicit ModalWindow(QWidget* owner, Qt::WindowFlags flags = {});

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace windows
