#pragma once

class QLineEdit;
class QWidget;

namespace platform {

// Selects the whole text of a field, so that typing replaces it.
void SelectAllText(QLineEdit& field);

// Gives the keyboard focus to a control of the active window.
void setFocusTo(QWidget& control);

// Moves the focus of `window` to its next tab stop, exactly as the Tab key would.
void sendTab(QWidget& window);

} // namespace platform
