# Fails when a catalogue lacks a translation of a text the sources mark, or
# holds one the sources no longer have: lupdate runs over each program's
# sources as update_translations would, into copies of its .ts files, and
# every message must come out finished and current.
#
# Run with cmake -P and -DPROJECTS (the lupdate project descriptions CMake
# wrote for the programs), -DGENERATOR (Qt's script that turns one into
# JSON), -DLUPDATE, -DWORK (a scratch folder) and -DPAGES (the game's
# pages, whose every language folder must hold each of them).
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(missing "")
foreach(project IN LISTS PROJECTS)
  get_filename_component(name ${project} NAME_WE)
  execute_process(COMMAND ${CMAKE_COMMAND} -DIN_FILE=${project} -DOUT_FILE=${WORK}/${name}.json -P ${GENERATOR}
    COMMAND_ERROR_IS_FATAL ANY)
  file(READ ${WORK}/${name}.json json)
  string(JSON count LENGTH ${json} translations)
  math(EXPR last "${count} - 1")
  set(copies "")
  foreach(at RANGE ${last})
    string(JSON catalogue GET ${json} translations ${at})
    get_filename_component(file ${catalogue} NAME)
    file(COPY ${catalogue} DESTINATION ${WORK})
    string(JSON json SET ${json} translations ${at} "\"${WORK}/${file}\"")
    list(APPEND copies ${WORK}/${file})
  endforeach()
  file(WRITE ${WORK}/${name}.json ${json})
  execute_process(COMMAND ${LUPDATE} -silent -locations none -project ${WORK}/${name}.json COMMAND_ERROR_IS_FATAL ANY)
  foreach(copy IN LISTS copies)
    file(STRINGS ${copy} lines)
    set(source "")
    foreach(line IN LISTS lines)
      if(line MATCHES "<source>(.*)</source>")
        set(source "${CMAKE_MATCH_1}")
      elseif(line MATCHES "type=\"(unfinished|vanished|obsolete)\"")
        get_filename_component(file ${copy} NAME)
        string(APPEND missing "\n  ${file}: ${CMAKE_MATCH_1}: ${source}")
      endif()
    endforeach()
  endforeach()
endforeach()
file(GLOB pages RELATIVE ${PAGES} ${PAGES}/*.txt)
file(GLOB languages LIST_DIRECTORIES true ${PAGES}/*)
foreach(language IN LISTS languages)
  foreach(page IN LISTS pages)
    if(IS_DIRECTORY ${language} AND NOT EXISTS ${language}/${page})
      string(APPEND missing "\n  ${language}/${page}: missing")
    endif()
  endforeach()
endforeach()
if(missing)
  message(FATAL_ERROR "Catalogues out of step with the sources (run the update_translations target, then translate):${missing}")
endif()
