#pragma once

#include <QString>
#include <string_view>

namespace platform {

QString fromUtf8(std::string_view text);

// Texts break lines with a lone carriage return; Qt wants a line feed.
QString withLineBreaks(const QString& text);

// What a label shows for a caption: "&&" is one "&", a carriage return breaks
// the line.
QString labelText(std::string_view caption);

} // namespace platform
