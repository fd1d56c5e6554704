# The catalogues: one .ts file per program and language in translations/,
# named PROGRAM_LANGUAGE.ts, compiled into the program as :/i18n/PROGRAM_LANGUAGE.qm.
# `cmake --build BUILD --target update_translations` brings every .ts file up
# to date with the sources; app/Language.h picks the language at start-up.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

set(korvane_translations ${PROJECT_SOURCE_DIR}/translations)

# Compiles the catalogues NAME_*.ts into TARGET, made from the sources of
# TARGET and the further targets named. lupdate reads relative source paths
# from this file's folder, so they are handed over whole. Both systems'
# halves of a module (NamePosix.cpp, NameWindows.cpp) are read, so that one
# catalogue is complete for either build.
function(korvane_catalogues name target)
  set(sources)
  foreach(scanned IN ITEMS ${target} ${ARGN})
    get_target_property(own ${scanned} SOURCES)
    get_target_property(folder ${scanned} SOURCE_DIR)
    list(FILTER own INCLUDE REGEX "\\.cpp$")
    list(TRANSFORM own PREPEND ${folder}/ REGEX "^[^/]")
    list(TRANSFORM own REPLACE "(Posix|Windows)\\.cpp$" "Posix.cpp" OUTPUT_VARIABLE posix)
    list(TRANSFORM own REPLACE "(Posix|Windows)\\.cpp$" "Windows.cpp" OUTPUT_VARIABLE windows)
    list(APPEND sources ${own} ${posix} ${windows})
  endforeach()
  list(REMOVE_DUPLICATES sources)
  file(GLOB catalogues CONFIGURE_DEPENDS ${korvane_translations}/${name}_*.ts)
  qt_add_translations(${target} TS_FILES ${catalogues} SOURCES ${sources} INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}
    LUPDATE_OPTIONS -locations none)
endfunction()

# The checks' words, shared by the question editor and tqzcheck.
korvane_catalogues(checks korvane_core)
korvane_catalogues(game korvane_app)
korvane_catalogues(tqzcheck tqzcheck)
if(TARGET korvane_editor)
  korvane_catalogues(editor korvane_editor korvane_editor_core korvedit)
endif()

# Qt's own texts for its dialogs (Yes, No, Cancel, the file dialog). Linux
# reads the system's copy; Windows has none, so the build machine's copy from
# Debian's qt6-translations-l10n is compiled in, for each of our languages.
if(WIN32)
  set(KORVANE_QT_CATALOGUES /usr/share/qt6/translations CACHE PATH "Where Qt's own .qm catalogues lie")
  file(GLOB game_catalogues CONFIGURE_DEPENDS ${korvane_translations}/game_*.ts)
  list(TRANSFORM game_catalogues REPLACE ".*/game_(.+)\\.ts$" "${KORVANE_QT_CATALOGUES}/qtbase_\\1.qm"
    OUTPUT_VARIABLE qt_catalogues)
  qt_add_resources(korvane_core qt_catalogues PREFIX /i18n BASE ${KORVANE_QT_CATALOGUES}
    FILES ${qt_catalogues})
endif()

if(BUILD_TESTING)
  set(catalogue_projects)
  foreach(target IN ITEMS korvane_core korvane_app tqzcheck korvane_editor)
    if(TARGET ${target})
      list(APPEND catalogue_projects ${CMAKE_CURRENT_BINARY_DIR}/.lupdate/${target}_project.cmake)
    endif()
  endforeach()
  add_test(NAME CataloguesComplete COMMAND ${CMAKE_COMMAND} "-DPROJECTS=${catalogue_projects}"
    -DGENERATOR=${_Qt6_LINGUIST_TOOLS_DIR}/GenerateLUpdateProject.cmake -DLUPDATE=$<TARGET_FILE:Qt6::lupdate>
    -DWORK=${CMAKE_CURRENT_BINARY_DIR}/catalogue-check -DPAGES=${PROJECT_SOURCE_DIR}/assets/texts -P ${PROJECT_SOURCE_DIR}/tests/CataloguesComplete.cmake)
endif()
