# Installation of the desktop entry, the icon and the help document. Included from
# shell/CMakeLists.txt; paths are relative to this file. The icon comes from the build's
# data folder (<build>/data), where the assets put it at build time: "plumet.png" is the
# 256 x 256 icon, "plumet64.png" an optional 64 x 64 one.
include_guard(GLOBAL)
include(GNUInstallDirs)

install(FILES ${CMAKE_CURRENT_LIST_DIR}/plumet.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_BINARY_DIR}/data/plumet.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps OPTIONAL)
install(FILES ${PROJECT_BINARY_DIR}/data/plumet64.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps
        RENAME plumet.png OPTIONAL)
# The help document goes with the rest of the game's data (<prefix>/share/plumet).
install(FILES ${CMAKE_CURRENT_LIST_DIR}/help/plumet.html
        DESTINATION ${CMAKE_INSTALL_DATADIR}/plumet/help)
