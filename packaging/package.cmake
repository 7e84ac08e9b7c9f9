# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package `plumet`, made by CPack from the installed tree:
#   cpack -G DEB            in the build folder (or: cmake --build <build> --target package)
#   scripts/package.sh      the whole build for it: Release, Debian's hardening flags, no tests
# It installs into /usr: the three programs, the sound module, the data folder, the menu
# entry, the metainfo, the icons, the manual pages and the copyright and changelog under
# /usr/share/doc/plumet. Its dependencies are worked out from the binaries (dpkg-shlibdeps),
# plus what the game loads at run time: a Japanese font and Qt's Japanese translations. It
# needs no maintainer scripts: the menu and icon caches are refreshed by the triggers of the
# packages that own them.
include(GNUInstallDirs)

set(PLUMET_CONTACT "カドリオ maintainers <maintainers@users.noreply.c-seed-108075d2.example>")

# /usr/share/doc/plumet: the copyright file and the changelog, compressed as Debian has them
# (gzip -9n: no name, no time stamp, so that the same tree makes the same package).
find_program(GZIP gzip REQUIRED)
set(doc_dir ${PROJECT_BINARY_DIR}/packaging)
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/changelog.in ${doc_dir}/changelog @ONLY)
add_custom_command(
    OUTPUT ${doc_dir}/changelog.gz
    COMMAND ${GZIP} -9nf -k ${doc_dir}/changelog
    DEPENDS ${doc_dir}/changelog
    COMMENT "Compressing the changelog"
    VERBATIM)
add_custom_target(plumet_docs ALL DEPENDS ${doc_dir}/changelog.gz)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright ${doc_dir}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME plumet)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${PLUMET_CONTACT})
set(CPACK_PACKAGE_VENDOR "カドリオ maintainers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sevens card game against three computer players")
set(CPACK_PACKAGE_DESCRIPTION
    "カドリオ is a Sevens (七並べ) card game with a Japanese user interface: you
against three computer players, who play at one of three strengths. The four
sevens open the four suit rows; in turn each player lays a card that continues
a row, lays the joker in place of a missing card, or passes.

Matches of ten games with running totals and graphs, TOP-10 tables per player
group, saved matches, statistics, rule options, card sets and sound effects.
Also plume1to3, which carries the data of older versions over, and plumetdel,
which deletes the game's stored data.")
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, not linked: the UI font (without a Japanese font every text shows as
# boxes) and Qt's own Japanese texts of the standard buttons. Sound effects play through
# Qt Multimedia, whose Debian build of Qt 6.4 plays them on the PulseAudio (or PipeWire)
# server of the desktop: without one the game is silent, so the server is recommended.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-ipafont-gothic | fonts-noto-cjk, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

include(CPack)
