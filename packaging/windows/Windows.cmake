# What the Windows build adds to the programs: each one's icon and file
# properties.

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

foreach(row IN LISTS korvane_windows_programs)
  string(REPLACE "|" ";" row "${row}")
  list(GET row 0 KORVANE_RC_PROGRAM)
  list(GET row 1 KORVANE_RC_DESCRIPTION)
  list(GET row 2 icon)
  if(NOT TARGET ${KORVANE_RC_PROGRAM})
    continue()
  endif()

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
