#pragma once

#include <QFont>
#include <QStringList>

namespace platform {

// The program's fixed layouts are drawn for the classic Windows look: its
// 13-pixel check boxes, 3-D frames and light grey faces, and its typefaces.
// Call once, after the QApplication exists: the menus, message boxes and help
// viewer then write in the classic proportional typeface, whatever the
// desktop's own font is.
void applyClassicLook();

// The classic look's typefaces, each followed by its metric-compatible
// stand-in that every Debian desktop can install: a system with only those
// may resolve a generic "sans-serif" to anything, even a monospaced face.
QStringList classicSansSerifFamilies();
QStringList classicSerifFamilies();

// The proportional typeface at this size.
QFont classicFont(qreal points, bool bold = false);

} // namespace platform
