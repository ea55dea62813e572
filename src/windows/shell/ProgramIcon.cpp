#include "windows/shell/ProgramIcon.h"

#include "platform/DisplayText.h"

namespace windows::shell {

QIcon programIcon() {
    return QIcon(platform::fromUtf8(ProgramPicture));
}

} // namespace windows::shell
