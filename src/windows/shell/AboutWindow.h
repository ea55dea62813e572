#pragma once

#include "windows/ModalWindow.h"
#include "windows/layout/FormControls.h"

namespace windows::shell {

// Names the program, its version and edition and the vendor's contact details,
// with a button that opens the vendor's web page. Each opening is a new window.
class AboutWindow final : public ModalWindow {
    Q_OBJECT

public:
    explicit AboutWindow(QWidget* parent = nullptr);

    // Opens a fresh About window modal to `owner` and returns once it closes.
    static void showModal(QWidget* owner);

private:
    void load();
    void openHomePage();

    layout::FormControls m_controls;
};

} // namespace windows::shell
