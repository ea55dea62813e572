#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// Writes a text file the way the order file is kept: Windows-1252, every line
// ended by CR LF. The file is replaced only once the new one is complete, so a
// failure leaves the earlier file as it was. Where the folder allows no new
// file but the earlier file is writable, that file is rewritten in place, and
// put back as it was if that fails. A new file is readable by its owner only
// (it holds a card number); an existing file keeps its mode.
class OrderFileWriter final {
public:
    // Returns the system's description of the failure, or nothing on success.
    static std::optional<QString> write(const QString& path, const std::vector<std::string>& lines);
    // The file's contents as write() puts them on disk.
    static QByteArray contents(const std::vector<std::string>& lines);
};

} // namespace platform
