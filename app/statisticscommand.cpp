// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/statisticscommand.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonDocument>
#include <cstdio>
#include <cstring>

#include "data/groups.h"
#include "data/statistics.h"
#include "data/store.h"
#include "data/values.h"

namespace plumet {

namespace {

void write(std::FILE* to, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), to);
    std::fflush(to);
}

}  // namespace

bool statisticsJsonWanted(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--stats-json") == 0) return true;
    }
    return false;
}

int printStatisticsJson(int argc, char* argv[]) {
    const QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("plumet2"));
    const QString file = QDir::toNativeSeparators(Store::filePath());
    const Store store;
    if (!store.readable()) {
        write(stderr, QStringLiteral("plumet: 設定ファイルを読み込めません: %1\n").arg(file));
        return 2;
    }
    const QList<statistics::Damage> damaged = statistics::damagedRecords(store);
    if (!damaged.isEmpty()) {
        QString text = QStringLiteral("plumet: 成績のデータが異常です: %1\n").arg(file);
        for (const statistics::Damage& each : damaged)
            text += QStringLiteral("  %1（%2）\n").arg(each.key, each.what);
        text += QStringLiteral("ゲームを起動すると、異常な成績は初期化されます。\n");
        write(stderr, text);
        return 3;
    }
    // The group in use, as the game takes it at start.
    const int group =
        std::clamp<int>(values::toInt16(store.get(u"form2", u"plymdi", QStringLiteral("0"))), 0,
                        groups::kGroups - 1);
    const QJsonDocument json(statistics::document(store, group, groups::name(store, group)));
    write(stdout, QString::fromUtf8(json.toJson(QJsonDocument::Indented)));
    return 0;
}

}  // namespace plumet
