// SPDX-License-Identifier: GPL-3.0-or-later
// Silent 16-bit PCM wave files for tests of the sounds.
#pragma once

#include <QDataStream>
#include <QFile>
#include <QString>
#include <QTest>

namespace plumet::test {

// Writes a silent mono 8 kHz wave file of `ms` milliseconds; `listChunk` puts an extra chunk
// between the format and the samples, as some editors write.
inline void writeWave(const QString& path, int ms, bool listChunk = false) {
    const quint32 rate = 8000;
    const quint32 bytes = rate * 2 * ms / 1000;
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + bytes + (listChunk ? 12 : 0));
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << rate << rate * 2 << quint16(2) << quint16(16);
    if (listChunk) {
        out.writeRawData("LIST", 4);
        out << quint32(4);
        out.writeRawData("INFO", 4);
    }
    out.writeRawData("data", 4);
    out << bytes;
    file.write(QByteArray(static_cast<int>(bytes), '\0'));
}

}  // namespace plumet::test
