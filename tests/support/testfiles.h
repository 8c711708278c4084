#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

namespace gs {

// The bytes of the file, empty when it cannot be read.
inline QByteArray readFileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes data as the whole file; fails the test when it cannot.
inline void writeFileBytes(const QString &path, const QByteArray &data)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(data), data.size());
}

} // namespace gs
