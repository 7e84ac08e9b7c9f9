# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package as CPack makes it from the build: its name, version, section and
# dependencies (the Qt libraries found by dpkg-shlibdeps, the Japanese font and Qt's Japanese
# translations), its files (all under /usr, the programs, the sound module, the data folder,
# the desktop files, the manual pages, the copyright file), no maintainer scripts, and no
# error from lintian where lintian is installed.
#   cmake -DBUILD=<build folder> -DWORK=<scratch folder> -DVERSION=<version>
#         [-DLINTIAN=<lintian>] -P check_package.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} -G DEB --config ${BUILD}/CPackConfig.cmake -B ${WORK}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cpack failed: ${output}")
endif()
file(GLOB packages ${WORK}/plumet_*.deb)
list(LENGTH packages count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one plumet_*.deb in ${WORK}, found: ${packages}")
endif()
get_filename_component(name ${packages} NAME)
if(NOT name MATCHES "^plumet_${VERSION}_[a-z0-9]+\\.deb$")
    message(FATAL_ERROR "package file name ${name} does not carry the version ${VERSION}")
endif()

function(field key expected)
    execute_process(COMMAND dpkg-deb -f ${packages} ${key} OUTPUT_VARIABLE value
                    OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT value MATCHES "${expected}")
        message(FATAL_ERROR "${key}: \"${value}\" does not match \"${expected}\"")
    endif()
endfunction()
field(Package "^plumet$")
field(Version "^${VERSION}$")
field(Section "^games$")
field(Maintainer "<.+@.+>")
foreach(dependency "libqt6widgets6 " "libqt6svg6 " "libqt6multimedia6 " "libc6 "
        "fonts-ipafont-gothic [|] fonts-noto-cjk" "qt6-translations-l10n")
    field(Depends "${dependency}")
endforeach()

# The files: every one under /usr, the ones the game needs among them.
execute_process(COMMAND dpkg-deb -c ${packages} OUTPUT_VARIABLE listing)
string(REGEX MATCHALL "\\./[^\n]*" paths "${listing}")
foreach(path IN LISTS paths)
    if(NOT path MATCHES "^\\./(usr(/.*)?)?/?$")
        message(FATAL_ERROR "outside /usr: ${path}")
    endif()
endforeach()
foreach(wanted ./usr/games/plumet ./usr/games/plume1to3 ./usr/games/plumetdel
        ./usr/lib/plumet/modules/libplumetsound.so ./usr/share/plumet/d7.svg
        ./usr/share/plumet/pass1.wav ./usr/share/plumet/help/plumet.html
        ./usr/share/applications/plumet.desktop ./usr/share/metainfo/plumet.metainfo.xml
        ./usr/share/icons/hicolor/48x48/apps/plumet.png ./usr/share/man/man6/plumet.6.gz
        ./usr/share/doc/plumet/copyright ./usr/share/doc/plumet/changelog.gz)
    if(NOT "${wanted}" IN_LIST paths)
        message(FATAL_ERROR "not in the package: ${wanted}")
    endif()
endforeach()

# No maintainer scripts: the triggers of the menu and icon packages do their work.
execute_process(COMMAND dpkg-deb --ctrl-tarfile ${packages} OUTPUT_FILE ${WORK}/control.tar)
execute_process(COMMAND tar -tf ${WORK}/control.tar OUTPUT_VARIABLE control)
if(control MATCHES "(preinst|postinst|prerm|postrm)")
    message(FATAL_ERROR "maintainer scripts in the package: ${control}")
endif()

if(LINTIAN)
    execute_process(COMMAND ${LINTIAN} --no-tag-display-limit ${packages}
                    OUTPUT_VARIABLE report ERROR_VARIABLE report)
    message(STATUS "lintian:\n${report}")
    if(report MATCHES "(^|\n)E: ")
        message(FATAL_ERROR "lintian finds errors")
    endif()
endif()
file(REMOVE_RECURSE ${WORK})
