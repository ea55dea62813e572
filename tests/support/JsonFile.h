#pragma once

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

// The object a JSON file of the tests holds; a file that is missing or not
// JSON ends the test at once.
inline QJsonObject readJsonFile(const char* path) {
    QFile file(QString::fromUtf8(path));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", path);
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (document.isNull())
        qFatal("%s: %s", path, qPrintable(error.errorString()));
    return document.object();
}
