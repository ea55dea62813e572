#pragma once

#include <QString>

class QLineEdit;
class QWidget;

namespace platform {

// Selects the whole text of a field, so that typing replaces it.
void selectAllText(QLineEdit& field);

// Gives the keyboard focus to a control of the active window.
void setFocusTo(QWidget& control);

// Presses and releases a key in `window`, at its focused control, and returns
// once the window has handled it.
void sendKey(QWidget& window, int key, const QString& text = {});

// Moves the focus of `window` to its next tab stop, exactly as the Tab key would.
void sendTab(QWidget& window);

} // namespace platform
