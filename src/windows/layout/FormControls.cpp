#include "windows/layout/FormControls.h"

#include "platform/ui/DisplayText.h"

namespace windows::layout {

QString FormControls::keyOf(std::string_view name, int index) {
    const QString base = platform::fromUtf8(name);
    return index < 0 ? base : QStringLiteral("%1(%2)").arg(base).arg(index);
}

} // namespace windows::layout
