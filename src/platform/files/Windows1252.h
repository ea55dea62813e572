#pragma once

#include <QByteArray>
#include <QString>

namespace platform::windows1252 {

// One byte per character in the Windows-1252 code page. A character the code
// page lacks becomes its base letter where it has one there ("ź" gives "z"),
// otherwise "?". Control characters become "?" too, so the bytes never hold a
// tab, a line break or any other control byte.
QByteArray encode(const QString& text);

} // namespace platform::windows1252
