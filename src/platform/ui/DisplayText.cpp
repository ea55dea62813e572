#include "platform/ui/DisplayText.h"

namespace platform {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString withLineBreaks(const QString& text) {
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

QString labelText(std::string_view caption) {
    return withLineBreaks(fromUtf8(caption)).replace(QLatin1String("&&"), QLatin1String("&"));
}

} // namespace platform
