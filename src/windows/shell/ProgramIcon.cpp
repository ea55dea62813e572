#include "windows/shell/ProgramIcon.h"

#include "platform/ui/DisplayText.h"

#include <QImageReader>
#include <QPixmap>

namespace windows::shell {

QIcon programIcon() {
    // Read as the XPM picture it is. Left to work out the format, Qt would
    // load every image format plugin to look at the file, at every start.
    QImageReader reader(platform::fromUtf8(ProgramPicture), "XPM");
    reader.setAutoDetectImageFormat(false);
    return QIcon(QPixmap::fromImage(reader.read()));
}

} // namespace windows::shell
