# What the Windows build adds to the programs and hands to
# scripts/windows-package.sh: each program's icon and file properties, and
# the lists the installer and the portable zip are made from.

set(KORVANE_PUBLISHER "Halvorn Computers")

# Each program as "target|description|icon": the icon is made from
# assets/<icon>-<size>.png. The editor joins when it is built.
set(korvane_windows_programs
  "korvwin|Korvane, a quiz board game for two players|icon"
  "korvedit|Korvane Question Editor|editor-icon"
  "tqzcheck|Korvane question bank checker|icon"
)

find_program(KORVANE_IMAGEMAGICK convert REQUIRED)
set(korvane_windows ${CMAKE_CURRENT_LIST_DIR})
set(korvane_windows_generated ${PROJECT_BINARY_DIR}/packaging)
string(REPLACE "." "," KORVANE_VERSION_COMMAS "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0.0")
set(korvane_shipped_programs "")

foreach(row IN LISTS korvane_windows_programs)
  string(REPLACE "|" ";" row "${row}")
  list(GET row 0 KORVANE_RC_PROGRAM)
  list(GET row 1 KORVANE_RC_DESCRIPTION)
  list(GET row 2 icon)
  if(NOT TARGET ${KORVANE_RC_PROGRAM})
    continue()
  endif()
  list(APPEND korvane_shipped_programs "$<TARGET_FILE:${KORVANE_RC_PROGRAM}>")

  set(KORVANE_RC_ICON ${korvane_windows_generated}/${icon}.ico)
  if(NOT TARGET korvane_${icon}_ico)
    set(sizes 16 24 32 48 64 128 256)
    list(TRANSFORM sizes PREPEND ${PROJECT_SOURCE_DIR}/assets/${icon}- OUTPUT_VARIABLE pictures)
    list(TRANSFORM pictures APPEND .png)
    add_custom_command(OUTPUT ${KORVANE_RC_ICON}
      COMMAND ${KORVANE_IMAGEMAGICK} ${pictures} ${KORVANE_RC_ICON}
      DEPENDS ${pictures}
      VERBATIM)
    add_custom_target(korvane_${icon}_ico DEPENDS ${KORVANE_RC_ICON})
  endif()
  set(rc ${korvane_windows_generated}/${KORVANE_RC_PROGRAM}.rc)
  configure_file(${korvane_windows}/program.rc.in ${rc} @ONLY)
  target_sources(${KORVANE_RC_PROGRAM} PRIVATE ${rc})
  set_source_files_properties(${rc} TARGET_DIRECTORY ${KORVANE_RC_PROGRAM} PROPERTIES OBJECT_DEPENDS ${KORVANE_RC_ICON})
  add_dependencies(${KORVANE_RC_PROGRAM} korvane_${icon}_ico)
endforeach()

# What goes into the installer and the zip, beside the DLLs the programs
# import: the programs and the shipped banks, one path a line.
list(TRANSFORM KORVANE_SHIPPED_BANK_NAMES PREPEND ${PROJECT_SOURCE_DIR}/data/ OUTPUT_VARIABLE korvane_bank_files)
list(TRANSFORM korvane_bank_files APPEND .tqz)
list(JOIN korvane_shipped_programs "\n" programs)
list(JOIN korvane_bank_files "\n" banks)
file(GENERATE OUTPUT ${korvane_windows_generated}/shipped-files.txt CONTENT "${programs}\n${banks}\n")

# The installer's facts from the build: version, icons, whether the editor
# ships, and one Start-menu entry per shipped bank.
set(KORVANE_NSIS_EDITOR "")
if(TARGET korvedit)
  set(KORVANE_NSIS_EDITOR "!define KORVANE_EDITOR")
endif()
set(KORVANE_NSIS_BANKS "")
foreach(name title IN ZIP_LISTS KORVANE_SHIPPED_BANK_NAMES KORVANE_SHIPPED_BANK_TITLES)
  string(APPEND KORVANE_NSIS_BANKS "  !insertmacro \${ACTION} \"${name}.tqz\" \"${title}\"\n")
endforeach()
configure_file(${korvane_windows}/build.nsh.in ${korvane_windows_generated}/build.nsh @ONLY)
