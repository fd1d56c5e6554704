# Installs the game where Debian puts a game's files, and packs them into a
# .deb with CPack:
#   cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DBUILD_TESTING=OFF
#   cmake --build build-package && (cd build-package && cpack)
# scripts/package-check.sh does this with Debian's hardening flags and checks
# the result.
include(GNUInstallDirs)

# Reverse-DNS on the maker's domain; it names the desktop entry, the icons
# and the AppStream metadata alike.
set(KORVANE_APP_ID example.halvorn.Korvane)
set(KORVEDIT_APP_ID example.halvorn.KorvaneEditor)
set(KORVANE_BANK_MIME_TYPE application/x-korvane-question-bank)
set(KORVANE_RELEASE_DATE 2026-12-07)

# Started without a bank, the game reads quarl3.tqz from its current folder,
# so the banks get a folder of their own and the desktop entry starts the
# game there; its actions name each bank on the command line instead.
set(KORVANE_INSTALL_GAMESDIR games)
set(KORVANE_INSTALL_BANKDIR ${CMAKE_INSTALL_DATADIR}/games/korvane)
set(KORVANE_FULL_GAMESDIR ${CMAKE_INSTALL_PREFIX}/${KORVANE_INSTALL_GAMESDIR})
set(KORVANE_FULL_BANKDIR ${CMAKE_INSTALL_PREFIX}/${KORVANE_INSTALL_BANKDIR})
# korvwin --help names the folder the banks are installed in, and the
# question editor offers them to start from.
set_property(SOURCE app/ShippedBankFolderPosix.cpp APPEND PROPERTY COMPILE_DEFINITIONS
  KORVANE_BANK_FOLDER="${KORVANE_FULL_BANKDIR}")

# The editor's guide links its manual page only where it is installed.
set_property(SOURCE ${PROJECT_SOURCE_DIR}/editor/window/EditorGuide.cpp DIRECTORY editor/window APPEND PROPERTY COMPILE_DEFINITIONS
  KORVEDIT_MANUAL_PAGE="${CMAKE_INSTALL_FULL_MANDIR}/man6/korvedit.6.gz")

set(korvane_packaging ${CMAKE_CURRENT_LIST_DIR})
set(korvane_generated ${CMAKE_CURRENT_BINARY_DIR}/packaging)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The bank checker and the question editor go beside the game: Debian keeps
# a games package's programs in /usr/games, and the editor finds the game
# beside itself.
set(korvane_programs korvwin tqzcheck korvedit)
install(TARGETS ${korvane_programs} RUNTIME DESTINATION ${KORVANE_INSTALL_GAMESDIR})
# A stripped install also drops the compilers' .comment notes, as Debian's
# own packaging tools do.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(program ${korvane_programs})
      execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${KORVANE_INSTALL_GAMESDIR}/\${program}\"
        COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
  endif()")
list(TRANSFORM KORVANE_SHIPPED_BANK_NAMES PREPEND data/ OUTPUT_VARIABLE korvane_bank_files)
list(TRANSFORM korvane_bank_files APPEND .tqz)
install(FILES ${korvane_bank_files} DESTINATION ${KORVANE_INSTALL_BANKDIR})

# One desktop action per bank on the game's entry, and the banks' list in
# the manual page, both from the one list of data/ShippedBanks.cmake.
set(KORVANE_DESKTOP_ACTIONS "")
set(KORVANE_DESKTOP_ACTION_GROUPS "")
set(KORVANE_MANUAL_BANKS "")
foreach(name title IN ZIP_LISTS KORVANE_SHIPPED_BANK_NAMES KORVANE_SHIPPED_BANK_TITLES)
  string(APPEND KORVANE_DESKTOP_ACTIONS "${name};")
  string(APPEND KORVANE_DESKTOP_ACTION_GROUPS
    "\n[Desktop Action ${name}]\n"
    "Name=${title}\n"
    "Exec=${KORVANE_FULL_GAMESDIR}/korvwin ${KORVANE_FULL_BANKDIR}/${name}.tqz\n")
  string(APPEND KORVANE_MANUAL_BANKS ".TP\n.I ${name}.tqz\n${title}\n")
endforeach()
# The templates end each placeholder's line themselves.
string(REGEX REPLACE "\n$" "" KORVANE_DESKTOP_ACTION_GROUPS "${KORVANE_DESKTOP_ACTION_GROUPS}")
string(REGEX REPLACE "\n$" "" KORVANE_MANUAL_BANKS "${KORVANE_MANUAL_BANKS}")

# Each program on the desktop: its entry, its AppStream metadata and its icon.
foreach(program korvane korvedit)
  set(app_id ${KORVANE_APP_ID})
  set(icon icon)
  if(program STREQUAL korvedit)
    set(app_id ${KORVEDIT_APP_ID})
    set(icon editor-icon)
  endif()
  configure_file(${korvane_packaging}/${program}.desktop.in ${korvane_generated}/${app_id}.desktop @ONLY)
  install(FILES ${korvane_generated}/${app_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  configure_file(${korvane_packaging}/${program}.metainfo.xml.in ${korvane_generated}/${app_id}.metainfo.xml @ONLY)
  install(FILES ${korvane_generated}/${app_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  foreach(size 16 24 32 48 64 128 256)
    install(FILES assets/${icon}-${size}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
      RENAME ${app_id}.png)
  endforeach()
endforeach()

# The bank's file type, so a file manager opens *.tqz files with the editor.
configure_file(${korvane_packaging}/korvane-bank.xml.in ${korvane_generated}/korvane-bank.xml @ONLY)
install(FILES ${korvane_generated}/korvane-bank.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

# The copyright file carries the licence terms the game itself shows, in
# Debian's machine-readable layout: each line indented, blank lines as " .".
file(READ assets/texts/license.txt korvane_licence)
string(STRIP "${korvane_licence}" korvane_licence)
string(REPLACE "\n" "\n " korvane_licence " ${korvane_licence}")
string(REGEX REPLACE "\n \n" "\n .\n" korvane_licence "${korvane_licence}")
string(REGEX REPLACE "\n \n" "\n .\n" korvane_licence "${korvane_licence}")
configure_file(${korvane_packaging}/copyright.in ${korvane_generated}/copyright @ONLY)
install(FILES ${korvane_generated}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Manual pages and the changelog ship compressed the way Debian wants them:
# maximum compression, no name or time stamp, so builds are reproducible.
find_program(GZIP_EXECUTABLE gzip REQUIRED)
configure_file(${korvane_packaging}/korvwin.6.in ${korvane_generated}/korvwin.6 @ONLY)
configure_file(${korvane_packaging}/tqzcheck.6.in ${korvane_generated}/tqzcheck.6 @ONLY)
configure_file(${korvane_packaging}/korvedit.6.in ${korvane_generated}/korvedit.6 @ONLY)
configure_file(${korvane_packaging}/changelog ${korvane_generated}/changelog COPYONLY)
set(korvane_compressed)
foreach(name korvwin.6 tqzcheck.6 korvedit.6 changelog)
  add_custom_command(OUTPUT ${korvane_generated}/${name}.gz
    COMMAND ${GZIP_EXECUTABLE} -9nkf ${korvane_generated}/${name}
    DEPENDS ${korvane_generated}/${name}
    VERBATIM)
  list(APPEND korvane_compressed ${korvane_generated}/${name}.gz)
endforeach()
add_custom_target(korvane_compressed_docs ALL DEPENDS ${korvane_compressed})
install(FILES ${korvane_generated}/korvwin.6.gz ${korvane_generated}/tqzcheck.6.gz ${korvane_generated}/korvedit.6.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${korvane_generated}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Halvorn Computers")
set(CPACK_PACKAGE_CONTACT "Halvorn Computers <korvane@halvorn.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "two-player quiz board game")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Two players share one computer and race round a board of 22 squares. Each turn\n"
  "the die is rolled, the piece moves forward or backward, and a question with\n"
  "three possible answers is asked. The four corners carry the letters of Love:\n"
  "answer right on a corner to win its letter. The first player to spell the\n"
  "whole word wins.\n"
  "\n"
  "The package holds the game with seven banks of 100 questions each (general\n"
  "knowledge, science and nature, geography, history and inventions, words,\n"
  "books and art, a children's quiz and a hard quiz night), the question editor\n"
  "korvedit, which writes, checks and plays question banks of your own, and\n"
  "tqzcheck, which shows on a terminal what the game will make of a bank.")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://halvorn.example/korvane)
# dpkg-shlibdeps finds the Qt and C++ libraries; the fonts the game draws
# with and the platform plugins Qt loads at run time it cannot see.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
