#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A fresh, empty working folder for one test; the previous working folder
// comes back when it goes.
class ScratchFolder final {
public:
    ScratchFolder()
        : m_previous(QDir::currentPath()) {
        QDir::setCurrent(m_folder.path());
    }
    ~ScratchFolder() { QDir::setCurrent(m_previous); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    bool isValid() const { return m_folder.isValid() && QDir::currentPath() == m_folder.path(); }
    QString path() const { return m_folder.path(); }

    static QByteArray read(const QString& file) {
        QFile source(file);
        return source.open(QIODevice::ReadOnly) ? source.readAll() : QByteArray();
    }
    static bool write(const QString& file, const QByteArray& bytes) {
        QFile target(file);
        return target.open(QIODevice::WriteOnly) && target.write(bytes) == bytes.size();
    }
    // Everything in a folder, hidden files included, so that leftovers show.
    static QStringList contents(const QString& folder = QStringLiteral(".")) {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

private:
    QString m_previous;
    QTemporaryDir m_folder;
};
