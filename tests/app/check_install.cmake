# The installed game: `cmake --install` of the build into a fresh prefix puts the three
# programs, the sound module, the data folder (and nothing of the build's own files in it), the menu entry, the
# metainfo and the icons in place.
#   cmake -DBUILD=<build folder> -DPREFIX=<empty folder> -P check_install.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
    bin/plumet bin/plume1to3 bin/plumetdel lib/plumet/libplumetsound.so
    share/plumet/d7.bmp share/plumet/d7.svg share/plumet/urat.bmp share/plumet/large/d7.bmp
    share/plumet/toolbar/image1.bmp share/plumet/pass1.wav share/plumet/help/plumet.html
    share/plumet/plumet.png
    share/applications/plumet.desktop share/metainfo/plumet.metainfo.xml
    share/icons/hicolor/16x16/apps/plumet.png share/icons/hicolor/512x512/apps/plumet.png
    share/icons/hicolor/scalable/apps/plumet.svg)
foreach(path IN LISTS expected)
    if(NOT EXISTS ${PREFIX}/${path})
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()

# The data folder holds the game's pictures, sounds and help, nothing the build made for itself.
file(GLOB_RECURSE installed RELATIVE ${PREFIX}/share/plumet ${PREFIX}/share/plumet/*)
foreach(path IN LISTS installed)
    if(NOT path MATCHES "\\.(bmp|svg|png|wav|html)$")
        message(FATAL_ERROR "not a file of the data folder: share/plumet/${path}")
    endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
