// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the tests of plume1to3 and plumetdel: a private settings folder, old
// group files written the way the game writes its TOP-10 files, the game's check string, and
// an answerer for the message boxes a window opens.
#pragma once

#include <iconv.h>
#include <unistd.h>
#include <QApplication>
#include <QByteArrayList>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <memory>

#include "common/readonlyfolder.h"

namespace toolfixture {

// Points XDG_CONFIG_HOME (and XDG_CONFIG_DIRS, where Qt would look for system-wide
// settings) at a temporary folder before the first use of the store; `clear` empties it
// between tests.
class StoreFolder {
  public:
    StoreFolder() {
        qputenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit());
        qputenv("XDG_CONFIG_DIRS", systemFolder().toLocal8Bit());
    }
    QString path() const { return dir_.path(); }
    QString file(const QString& application) const {
        return dir_.filePath(QStringLiteral("plumet/") + application + QStringLiteral(".ini"));
    }
    // Where a stray file of the given name sits beside the store's folder.
    QString strayFile(const QString& name) const { return dir_.filePath(name); }
    QString systemFolder() const { return dir_.filePath(QStringLiteral("system")); }
    // QSettings keeps the changes a sync could not write for the next object of the same file
    // in the process. Run after each test, when the files are writable again, this writes
    // them (in place of a folder or pipe a test put under a file's name), so that they do not
    // surface in a later test.
    // A named pipe a test put there goes first: QSettings would wait on it for a writer.
    void flushUnwrittenChanges() const {
        for (const char* application : {"plumet", "plumet2"}) {
            const QString path = file(QString::fromLatin1(application));
            const QFileInfo info(path);
            if (info.isDir())
                QDir(path).removeRecursively();
            else if (info.exists() && !info.isFile())
                QFile::remove(path);
            QSettings(path, QSettings::IniFormat).sync();
        }
    }
    void clear() const {
        QDir(dir_.filePath(QStringLiteral("plumet"))).removeRecursively();
        QDir(systemFolder()).removeRecursively();
        QFile::remove(strayFile(QStringLiteral("plumet.ini")));
        QFile::remove(strayFile(QStringLiteral("plumet2.ini")));
    }

  private:
    QTemporaryDir dir_;
};

// The store file of an application exactly, without QSettings' fallbacks to other files.
inline std::unique_ptr<QSettings> openStore(const QString& application) {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    auto settings = std::make_unique<QSettings>(
        config + QStringLiteral("/plumet/") + application + QStringLiteral(".ini"),
        QSettings::IniFormat);
    settings->setFallbacksEnabled(false);
    return settings;
}

// An INI file written by hand, as a stray or system-wide copy of the store would be.
inline void writeIni(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

// Every key of a section with its value as text.
inline QMap<QString, QString> section(const QString& application, const QString& name) {
    const auto settings = openStore(application);
    settings->beginGroup(name);
    QMap<QString, QString> pairs;
    for (const QString& key : settings->childKeys()) pairs[key] = settings->value(key).toString();
    return pairs;
}

// The read-only store folder of the tests (tests/common).
using ReadOnlyFolder = ::ReadOnlyFolder;

// The game's check string of a total: the character codes of its text with a leading sign
// position, each as decimal digits.
inline QString checkString(int total) {
    const QString text = total < 0 ? QString::number(total) : u' ' + QString::number(total);
    QString check;
    for (QChar ch : text) check += QString::number(ch.unicode());
    return check;
}

// The check string the reader builds from a total field as it stands in a file: the digits of
// each character's code, in order (for the game's own form of a total, its check string).
inline QString checkStringOfField(const QString& field) {
    QString check;
    for (QChar ch : field) check += QString::number(ch.unicode());
    return check;
}

// The 16-bit code of one character in CP932, as the TOP-10 files hold it.
inline int cp932Code(QChar ch) {
    const QByteArray utf8 = QString(ch).toUtf8();
    iconv_t cd = iconv_open("CP932", "UTF-8");
    QByteArray in = utf8;
    char out[4] = {};
    char* inPtr = in.data();
    char* outPtr = out;
    size_t inLeft = in.size();
    size_t outLeft = sizeof out;
    iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    const auto* bytes = reinterpret_cast<const unsigned char*>(out);
    if (outPtr - out == 1) return bytes[0];
    return bytes[0] * 256 + bytes[1] - 65536;
}

struct Entry {
    QString name;
    QString date;
    QString total;  // the total as text, with its leading sign position
};

// The default table of the game: "ＲＯＫＥＮ", "1997-04-01", 100 down to 10.
inline QList<Entry> defaultEntries() {
    QList<Entry> entries;
    for (int i = 1; i <= 10; ++i) {
        entries.append({QStringLiteral("ＲＯＫＥＮ"), QStringLiteral("1997-04-01"),
                        u' ' + QString::number((11 - i) * 10)});
    }
    return entries;
}

// The character codes of the 30 fields: name, date and total of each entry in turn.
inline QList<QList<int>> fieldCodes(const QList<Entry>& entries) {
    QList<QList<int>> fields;
    for (const Entry& entry : entries) {
        for (const QString& field : {entry.name, entry.date, entry.total}) {
            QList<int> codes;
            for (QChar ch : field) codes.append(cp932Code(ch));
            fields.append(codes);
        }
    }
    return fields;
}

// The lines of a group file holding the fields: "c,s" per character with the running sum,
// "0,0" after each field, then the trailer.
inline QByteArrayList groupFileLines(const QList<QList<int>>& fields) {
    QByteArrayList lines;
    qint64 sum = 0;
    for (const QList<int>& field : fields) {
        for (int code : field) {
            sum += code;
            lines.append(QByteArray::number(code) + ',' + QByteArray::number(sum));
        }
        lines.append("0,0");
    }
    lines.append("\"Version 3.15_DVvb6\"");
    return lines;
}

inline QByteArrayList groupFileLines(const QList<Entry>& entries) {
    return groupFileLines(fieldCodes(entries));
}

inline void writeLines(const QString& path, const QByteArrayList& lines) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (const QByteArray& line : lines) file.write(line + "\r\n");
}

// Answers the message boxes a window opens while a test clicks one of its buttons: records
// each box's title, text and default button, and presses the next answer of the queue (OK
// when the queue is empty).
class MessageBoxAnswerer : public QObject {
  public:
    struct Shown {
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton;
    };

    explicit MessageBoxAnswerer(QList<QMessageBox::StandardButton> answers = {})
        : answers_(std::move(answers)) {
        connect(&timer_, &QTimer::timeout, this, &MessageBoxAnswerer::answer);
        timer_.start(10);
    }

    QList<Shown> shown;

  private:
    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box == answered_) return;
        answered_ = box;
        QPushButton* defaultButton = box->defaultButton();
        shown.append({box->windowTitle(), box->text(), box->standardButtons(),
                      defaultButton ? box->standardButton(defaultButton) : QMessageBox::NoButton});
        const QMessageBox::StandardButton reply =
            answers_.isEmpty() ? QMessageBox::Ok : answers_.takeFirst();
        QAbstractButton* button = box->button(reply);
        if (!button) button = box->buttons().value(0);
        button->click();
    }

    QList<QMessageBox::StandardButton> answers_;
    QPointer<QMessageBox> answered_;
    QTimer timer_;
};

}  // namespace toolfixture
