# SPDX-License-Identifier: GPL-3.0-or-later
# The installed game: `cmake --install` of the build into a fresh prefix puts the three
# programs, the sound module, the data folder (and nothing of the build's own files in it),
# the menu entry, the metainfo, the icons, the manual pages, the copyright file and the
# changelog in place; the metainfo's newest release is the project's version.
#   cmake -DBUILD=<build folder> -DPREFIX=<empty folder> -DVERSION=<version> -P check_install.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
    games/plumet games/plume1to3 games/plumetdel lib/plumet/modules/libplumetsound.so
    share/plumet/d7.bmp share/plumet/d7.svg share/plumet/urat.bmp share/plumet/large/d7.bmp
    share/plumet/toolbar/image1.bmp share/plumet/pass1.wav share/plumet/help/plumet.html
    share/plumet/plumet.png
    share/applications/plumet.desktop share/metainfo/plumet.metainfo.xml
    share/icons/hicolor/16x16/apps/plumet.png share/icons/hicolor/512x512/apps/plumet.png
    share/icons/hicolor/scalable/apps/plumet.svg
    share/man/man6/plumet.6.gz share/man/man6/plume1to3.6.gz share/man/man6/plumetdel.6.gz
    share/doc/plumet/copyright share/doc/plumet/changelog.gz)
foreach(path IN LISTS expected)
    if(NOT EXISTS ${PREFIX}/${path})
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()

# One version: the metainfo's newest release is the project's.
file(READ ${PREFIX}/share/metainfo/plumet.metainfo.xml metainfo)
string(REGEX MATCH "<release version=\"([^\"]*)\"" release "${metainfo}")
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    message(FATAL_ERROR "metainfo release \"${CMAKE_MATCH_1}\", project version \"${VERSION}\"")
endif()

# The data folder holds the game's pictures, sounds and help, nothing the build made for itself.
file(GLOB_RECURSE installed RELATIVE ${PREFIX}/share/plumet ${PREFIX}/share/plumet/*)
foreach(path IN LISTS installed)
    if(NOT path MATCHES "\\.(bmp|svg|png|wav|html)$")
        message(FATAL_ERROR "not a file of the data folder: share/plumet/${path}")
    endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
