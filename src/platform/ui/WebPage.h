#pragma once

class QString;

namespace platform {

// Opens a web page in the desktop's browser. Whether a browser comes up is not
// checked: the program has nothing to offer the user if it does not.
void openWebPage(const QString& address);

} // namespace platform
