// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the match windows for the documentation, in the game's Japanese look: the
// results window with each of its graphs after a sample match, the TOP-10 table with a new
// entry being named, and the main window's question "終了？" with its Japanese buttons. Run
// under a display (xvfb-run) with the folder to write into:
//   xvfb-run -a build/tests/app/match_screenshots docs
#include <QApplication>
#include <QDir>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/defaults.h"
#include "app/japaneseui.h"
#include "app/mainwindow.h"
#include "app/session.h"
#include "data/store.h"
#include "ui/windows/nameentry.h"
#include "ui/windows/resultswindow.h"
#include "ui/windows/top10dialog.h"

using namespace plumet;

namespace {

// The window with its frame as the desktop shows it: the client area under a title strip.
void save(QWidget* window, const QString& file) {
    QTest::qWait(200);
    window->grab().save(file);
}

// A dialog as a desktop shows it: its client area under a title strip with its caption
// (Xvfb runs no window manager that would draw one).
QPixmap withTitle(QWidget* window) {
    const QPixmap client = window->grab();
    const int strip = window->fontMetrics().height() + 8;
    QPixmap framed(client.width() + 2, client.height() + strip + 1);
    framed.fill(QColor(0, 0, 128));
    QPainter painter(&framed);
    painter.setPen(Qt::white);
    QFont font = window->font();
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(6, 0, client.width() - 6, strip), Qt::AlignVCenter,
                     window->windowTitle());
    painter.drawPixmap(1, strip, client);
    return framed;
}

}  // namespace

int main(int argc, char* argv[]) {
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication app(argc, argv);
    setUpJapaneseUi(app);
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
        state.humanGamePoints[g] = points[g];
        state.humanGamePlaces[g] = places[g];
        state.score[1] = static_cast<std::int16_t>(state.score[1] + points[g]);
    }
    state.gameNumber = 10;
    state.gamePoints = {0, 31, 10, 4, 0};
    state.score = {0, static_cast<std::int16_t>(state.score[1] + 31), 190, 171, 1102};
    ResultsWindow::Sources sources{
        [](int p) {
            const char* names[] = {"", "あなた", "ふうか", "たくみ", "ゆずは"};
            return QString::fromUtf8(names[p]);
        },
        [] { return QStringLiteral(" 1 位 / あがり！"); }};
    ResultsWindow* results = ResultsWindow::open(state, store, sources, true);
    save(results, out.filePath(QStringLiteral("results-cumulative.png")));
    results->switchGraph();
    save(results, out.filePath(QStringLiteral("results-per-game.png")));
    results->proceed();

    Top10Dialog* table = Top10Dialog::matchEnd(state, store, {});
    QInputMethodEvent typing;
    typing.setCommitString(QStringLiteral("やまだ"));
    QApplication::sendEvent(table->nameEntry()->nameEdit(), &typing);
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
    table->nameEntry()->registerButton()->click();

    // The main window's close request asks "終了？" with Qt's Japanese buttons; Cancel.
    Session session;
    MainWindow main(session);
    applyDefaults(main, session);
    main.setStore(&store);
    main.show();
    QTest::qWait(200);
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&answer, &out] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        answer.stop();
        QTest::qWait(200);
        withTitle(box).save(out.filePath(QStringLiteral("question-japanese.png")));
        box->button(QMessageBox::Cancel)->click();
    });
    answer.start(10);
    main.close();
    return 0;
}
