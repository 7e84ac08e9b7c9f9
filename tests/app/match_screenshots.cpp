// Pictures of the match windows for the documentation: the results window with each of its
// graphs after a sample match, and the TOP-10 table with a new entry being named. Run under
// a display (xvfb-run) with the folder to write into:
//   xvfb-run -a build/tests/ui/match_screenshots docs
#include <QApplication>
#include <QDir>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "data/store.h"
#include "ui/nameentry.h"
#include "ui/resultswindow.h"
#include "ui/top10dialog.h"

using namespace plumet;

namespace {

// The window with its frame as the desktop shows it: the client area under a title strip.
void save(QWidget* window, const QString& file) {
    QTest::qWait(200);
    window->grab().save(file);
}

}  // namespace

int main(int argc, char* argv[]) {
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    Store store;

    GameState state;
    const std::int16_t points[] = {0, 28, 12, 4, 35, 18, 10, 40, 22, 19, 31};
    const char* places[] = {"",
                            " 1 位 / あがり！",
                            " 2 位 / あがり！",
                            " 4 位 / はきだし",
                            " 1 位 / あがり！",
                            " 2 位 / あがり！",
                            " 3 位 / はきだし",
                            " 1 位 / あがり！",
                            " 2 位 / あがり！",
                            " 2 位 / あがり！",
                            ""};
    for (int g = 1; g <= 9; ++g) {
        state.gamehist[g] = points[g];
        state.gameplaces[g] = places[g];
        state.score[1] = static_cast<std::int16_t>(state.score[1] + points[g]);
    }
    state.gameno = 10;
    state.gamepoints = {0, 31, 10, 4, 0};
    state.score = {0, static_cast<std::int16_t>(state.score[1] + 31), 190, 171, 1102};
    Form10::Sources sources{[](int p) {
                                const char* names[] = {"", "あなた", "ふうか", "たくみ", "ゆずは"};
                                return QString::fromUtf8(names[p]);
                            },
                            [] { return QStringLiteral(" 1 位 / あがり！"); }};
    Form10* results = Form10::open(state, store, sources, true);
    save(results, out.filePath(QStringLiteral("results-cumulative.png")));
    results->command3Click();
    save(results, out.filePath(QStringLiteral("results-per-game.png")));
    results->command1Click();

    Form3* table = Form3::matchEnd(state, store, {});
    QInputMethodEvent typing;
    typing.setCommitString(QStringLiteral("やまだ"));
    QApplication::sendEvent(table->nameEntry()->text(), &typing);
    // The table and the name entry below it, in one picture.
    QTest::qWait(200);
    const QPixmap top = table->grab();
    const QPixmap entry = table->nameEntry()->grab();
    QPixmap both(std::max(top.width(), entry.width()), top.height() + entry.height());
    both.fill(Qt::darkGray);
    QPainter painter(&both);
    painter.drawPixmap(0, 0, top);
    painter.drawPixmap(0, top.height(), entry);
    painter.end();
    both.save(out.filePath(QStringLiteral("top10-new-entry.png")));
    return 0;
}
