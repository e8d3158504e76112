#pragma once
// Whole files in and out, for tests that look at what the program wrote.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace sv::test {

inline QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace sv::test
