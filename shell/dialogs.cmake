# The title window, the small dialogs, the help window and the single-instance guard of the
# application shell, as the library plumet_dialogs; and the help document, copied into the
# build's data folder (<build>/data/help) so that the game finds it when run from the build.
# Included from shell/CMakeLists.txt; paths are relative to this file.
include_guard(GLOBAL)

add_library(plumet_dialogs STATIC
    ${CMAKE_CURRENT_LIST_DIR}/cardfolders.cpp
    ${CMAKE_CURRENT_LIST_DIR}/centring.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form1.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form8.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form11.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form12.cpp
    ${CMAKE_CURRENT_LIST_DIR}/helpwindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/movespeed.cpp
    ${CMAKE_CURRENT_LIST_DIR}/storenames.cpp
    ${CMAKE_CURRENT_LIST_DIR}/singleinstance.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form1.h
    ${CMAKE_CURRENT_LIST_DIR}/form8.h
    ${CMAKE_CURRENT_LIST_DIR}/form11.h
    ${CMAKE_CURRENT_LIST_DIR}/form12.h
    ${CMAKE_CURRENT_LIST_DIR}/helpwindow.h
)
set_target_properties(plumet_dialogs PROPERTIES AUTOMOC ON)
target_include_directories(plumet_dialogs PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(plumet_dialogs PUBLIC Qt6::Widgets plumet_data)

set(PLUMET_HELP_SOURCE ${CMAKE_CURRENT_LIST_DIR}/help/plumet.html)
set(PLUMET_HELP_BUILT ${PROJECT_BINARY_DIR}/data/help/plumet.html)
add_custom_command(OUTPUT ${PLUMET_HELP_BUILT}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${PLUMET_HELP_SOURCE} ${PLUMET_HELP_BUILT}
    DEPENDS ${PLUMET_HELP_SOURCE}
    COMMENT "Copying the help document into the data folder")
add_custom_target(plumet_help ALL DEPENDS ${PLUMET_HELP_BUILT})
add_dependencies(plumet_dialogs plumet_help)
