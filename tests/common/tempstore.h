// SPDX-License-Identifier: GPL-3.0-or-later
// A private, empty settings folder for one test: XDG_CONFIG_HOME points into a temporary
// folder for the life of the object, so no test sees the user's files or another test's.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

#include "data/store.h"

class TempStore {
  public:
    TempStore() { qputenv("XDG_CONFIG_HOME", dir_.path().toUtf8()); }
    QString path() const { return dir_.path(); }
    // The bytes of an application's file as they are on disk now.
    static QByteArray fileBytes(QStringView application = plumet::kApplication) {
        QFile file(plumet::Store::filePath(application));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // A key of the live profile as stored now, `fallback` when it is absent.
    static QString stored(const char* key, const QString& fallback = QStringLiteral("(absent)")) {
        return plumet::Store().get(u"form2", QString::fromLatin1(key), fallback);
    }
    // Stores a key of the live profile, as a hand edit would.
    static void store(const char* key, const QString& value) {
        plumet::Store().save(u"form2", QString::fromLatin1(key), value);
    }

  private:
    QTemporaryDir dir_;
};
