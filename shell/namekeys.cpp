#include "shell/namekeys.h"

namespace plumet {

QList<std::pair<QString, QString>> nameSettings(const PlayerNameArray& names,
                                                const PlayerSexArray& sex) {
    QList<std::pair<QString, QString>> entries;
    for (int i = 0; i < 4; ++i) entries.append({QStringLiteral("cap%1").arg(i + 4), names[i]});
    for (int i = 0; i < 4; ++i)
        entries.append({QStringLiteral("sex%1").arg(i + 4),
                        sex[i] != 0 ? QStringLiteral("True") : QStringLiteral("False")});
    return entries;
}

}  // namespace plumet
