#pragma once

#include <QString>
#include <QUrl>

class QWidget;

namespace platform {

// The program's help file and the F1 key. Until a help file is set F1 means
// nothing; from then on F1 in any of the program's windows opens the help
// viewer on that file.
class Help final {
public:
    Help() = delete;

    // A bare file name, as the windows name it ("Winhelp.hlp"); an empty
    // name takes the help file away again.
    static void setHelpFile(const QString& fileName);
    static QString helpFile();

    // Sends F1 to the active window (or to `fallback` when no window is
    // active) and returns once it has been handled.
    static void pressHelpKey(QWidget& fallback);

    // Opens the viewer on the help file, or does nothing while none is set.
    static void showHelpFile();

    // The bundled document a help file name stands for; empty for a file the
    // program does not have. File names are compared without regard to case.
    static QUrl documentFor(const QString& fileName);
};

} // namespace platform
