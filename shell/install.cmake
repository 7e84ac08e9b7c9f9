# Installation of the desktop entry. Included from shell/CMakeLists.txt; paths are relative
# to this file. The icon (hicolor 256x256 and 64x64) and the help document are installed with
# the rest of the data folder by assets/CMakeLists.txt (the help document lies in
# <build>/data/help, see dialogs.cmake).
include_guard(GLOBAL)
include(GNUInstallDirs)

install(FILES ${CMAKE_CURRENT_LIST_DIR}/plumet.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
