#include "platform/OrderFileWriter.h"

#include "platform/Windows1252.h"

#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace platform {
namespace {

QString systemDescription(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Qt reports most failures with the system's own words; where it has none,
// fall back on errno rather than show "Unknown error".
QString describeFailure(const QSaveFile& file, int savedErrno) {
    QString text = file.errorString();
    if (!text.isEmpty() && text != QLatin1String("Unknown error"))
        return text;
    return systemDescription(savedErrno != 0 ? savedErrno : EIO);
}

// A folder that was deleted while the program ran still answers stat() for
// whoever sits in it, but nothing can be created there any more.
bool folderWasRemoved(const QString& path) {
    struct stat folder {};
    const QByteArray name = QFile::encodeName(QFileInfo(path).path());
    return ::stat(name.constData(), &folder) == 0 && folder.st_nlink == 0;
}

QByteArray fileBytes(const std::vector<std::string>& lines) {
    QByteArray bytes;
    for (const std::string& line : lines) {
        bytes += windows1252::encode(QString::fromStdString(line));
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace

std::optional<QString> OrderFileWriter::write(const QString& path,
                                              const std::vector<std::string>& lines) {
    const QByteArray bytes = fileBytes(lines);
    const QFileInfo target(path);
    if (target.isDir())
        return systemDescription(EISDIR);
    if (folderWasRemoved(path))
        return systemDescription(ENOENT);
    const bool replacing = target.exists();

    errno = 0;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return describeFailure(file, errno);
    if (!replacing)
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    // Check the write and an explicit flush ourselves: commit() may report
    // success even when its own final flush failed.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const int savedErrno = errno;
        const QString failure = describeFailure(file, savedErrno);
        file.cancelWriting();
        file.commit();
        return failure;
    }
    if (!file.commit())
        return describeFailure(file, errno);
    return std::nullopt;
}

} // namespace platform
