#include "shell/defaults.h"

#include <QDir>
#include <QFileInfo>
#include <QMdiSubWindow>

#include "core/form2.h"
#include "cpu/computerform.h"
#include "play/form4.h"
#include "shell/appdir.h"
#include "shell/mdiform1.h"
#include "shell/session.h"
#include "shell/toolbar.h"
#include "shell/twips.h"

namespace plumet {

namespace {

void setTwipsGeometry(QWidget* window, double top, double left, double width, double height) {
    window->setGeometry(pxRect(left, top, width, height));
}

bool hasFile(const std::string& dir, const char* file) {
    return QFileInfo::exists(QDir(QString::fromStdString(dir)).filePath(QString::fromLatin1(file)));
}

}  // namespace

void loadSamplePictures(MDIForm1& main, Session& session) {
    Q_UNUSED(main);
    GameState& s = session.state;
    if (!hasFile(s.facedir, "d7.bmp")) s.facedir = s.appdir;
    if (!hasFile(s.boarddir, "d7.bmp")) s.boarddir = s.appdir;
    if (!hasFile(s.backdir, "urat.bmp")) s.backdir = s.appdir;
    const QDir board(QString::fromStdString(s.boarddir));
    const QDir face(QString::fromStdString(s.facedir));
    const QDir back(QString::fromStdString(s.backdir));
    session.board->picture(0)->setImageFile(board.filePath(QStringLiteral("s1.bmp")));
    session.human->picture(1)->setImageFile(face.filePath(QStringLiteral("s1.bmp")));
    session.window(2)->picture(1)->setImageFile(back.filePath(QStringLiteral("uray.bmp")));
    session.window(4)->picture(1)->setImageFile(back.filePath(QStringLiteral("uray.bmp")));
    session.window(3)->picture(1)->setImageFile(back.filePath(QStringLiteral("urat.bmp")));
}

void applyDefaults(MDIForm1& main, Session& session) {
    GameState& s = session.state;
    if (s.appdir.empty()) s.appdir = findAppdir().toStdString();
    s.savedgame = 0;
    main.setAceKing(false);
    main.setDetection(true);
    main.setJoker(JokerMode::Once);
    main.setSoundOn(true);
    main.action("wintune")->setChecked(true);
    main.action("turuba")->setChecked(true);
    main.setPasses(3);
    setTwipsGeometry(&main, 0, 0, 9525, 6735);
    main.action("mnucawaku")->setChecked(true);
    setTwipsGeometry(main.child(2), 1365, 1020, 7305, 3058);
    setTwipsGeometry(main.child(4), 4423, 1020, 7305, 1562);
    setTwipsGeometry(main.child(5), 0, 8325, 1020, 5985);
    setTwipsGeometry(main.child(6), 0, 1020, 7305, 1365);
    setTwipsGeometry(main.child(7), 0, 0, 1020, 5985);
    const char* const names[] = {"あなた", "ふうか", "たくみ", "ゆずは"};
    for (int p = 1; p <= kPlayers; ++p)
        session.window(p)->setWindowTitle(QString::fromUtf8(names[p - 1]));
    s.sex = {-1, 0, -1, 0};  // player 1 and 3 male, 2 and 4 female
    s.group = 0;
    s.facedir = s.boarddir = s.backdir = s.appdir;
    s.movespeed = 64;
    main.showIdleCaption();
    main.toolbar()->load(QString::fromStdString(s.appdir));
    main.setFramed(true);
    main.setToolbarShown(true);
    loadSamplePictures(main, session);
    main.setPace(Pace::Normal);
    main.action("mnutuduki")->setEnabled(false);
    main.image(2)->hide();
    main.image(3)->show();
    main.unlockMatch();
    session.board->loadPictures();
    if (main.action("wintune")->isChecked()) main.winallsub();
}

}  // namespace plumet
