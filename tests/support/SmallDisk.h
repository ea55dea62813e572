#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <sys/mount.h>

// A tiny tmpfs mounted on a new folder, to see what a full disk does. Needs
// the right to mount; check isMounted() and skip the test without it.
class SmallDisk final {
public:
    SmallDisk(const QString& folder, const QByteArray& size)
        : m_folder(QFile::encodeName(folder)) {
        QDir().mkdir(folder);
        const QByteArray options = "size=" + size;
        m_mounted = ::mount("tmpfs", m_folder.constData(), "tmpfs", 0, options.constData()) == 0;
    }
    ~SmallDisk() {
        if (m_mounted)
            ::umount2(m_folder.constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool isMounted() const { return m_mounted; }

private:
    QByteArray m_folder;
    bool m_mounted = false;
};
