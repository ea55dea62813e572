#include "platform/files/OrderFileWriter.h"

#include "platform/files/Windows1252.h"

#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Whether this process may write `path`, judged by the same ids as an open().
int writeAccessError(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    return ::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) == 0 ? 0 : errno;
}

// This user may create no file in the folder, but the earlier order file
// itself is writable: then the file is written where it stands, as it cannot
// be replaced. Should that fail part-way, the earlier contents go back in:
// they fit, as the space was the file's before. (QSaveFile's own direct-write
// fallback would leave a half-written file behind.)
std::optional<QString> writeInPlace(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return systemDescription(errno != 0 ? errno : EIO);
    const QByteArray earlier = file.readAll();
    const auto writeAll = [&file](const QByteArray& contents) {
        errno = 0;
        return file.seek(0) && file.write(contents) == contents.size() &&
               file.resize(contents.size()) && ::fsync(file.handle()) == 0;
    };
    if (file.error() != QFileDevice::NoError)
        return systemDescription(errno != 0 ? errno : EIO);
    if (writeAll(bytes))
        return std::nullopt;
    QString failure = systemDescription(errno != 0 ? errno : EIO);
    file.unsetError();
    writeAll(earlier);
    return failure;
}

} // namespace

std::optional<QString> OrderFileWriter::write(const QString& path,
                                              const std::vector<std::string>& lines) {
    const QByteArray bytes = contents(lines);
    const QFileInfo target(path);
    if (target.isDir())
        return systemDescription(EISDIR);
    if (folderWasRemoved(path))
        return systemDescription(ENOENT);
    const bool replacing = target.exists();
    // An earlier file this user may not write stays as it is, with the
    // system's own words for why.
    if (replacing) {
        if (const int error = writeAccessError(path); error != 0)
            return systemDescription(error);
    }

    // The new file is written next to the old one and then takes its place,
    // so the old one stays whole until the new one is complete.
    errno = 0;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        const int savedErrno = errno;
        if (replacing && writeAccessError(target.path()) != 0)
            return writeInPlace(path, bytes);
        return describeFailure(file, savedErrno);
    }
    if (!replacing)
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    // Check the write and an explicit flush ourselves: commit() may report
    // success even when its own final flush failed.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const int savedErrno = errno;
        QString failure = describeFailure(file, savedErrno);
        file.cancelWriting();
        file.commit();
        return failure;
    }
    if (!file.commit())
        return describeFailure(file, errno);
    return std::nullopt;
}

QByteArray OrderFileWriter::contents(const std::vector<std::string>& lines) {
    QByteArray bytes;
    for (const std::string& line : lines) {
        bytes += windows1252::encode(QString::fromStdString(line));
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace platform
