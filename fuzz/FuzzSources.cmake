# scripts/fuzz.sh builds the fuzzers with clang's libFuzzer, outside this
# build, from the sources of the libraries they fuzz, so that a source a
# library gains is fuzzed with it. It reads them from fuzz-sources.tsv in the
# build folder: one line per source, naming the part of the fuzzers it goes
# into, its path and any definitions of its own, tab-separated. The parts:
#   loader    the bank loader and its file opening, from the rules: its
#             fuzzer links no Qt
#   rules     every source of korvane_core
#   document  every source of korvane_editor_core

# Adds a line for each source of the target, or for those whose path matches
# the expression given after it.
function(korvane_fuzz_part part target)
  get_target_property(folder ${target} SOURCE_DIR)
  get_target_property(sources ${target} SOURCES)
  if(ARGN)
    list(FILTER sources INCLUDE REGEX "${ARGN}")
  endif()
  set(lines "${korvane_fuzz_sources}")
  foreach(source IN LISTS sources)
    cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${folder} OUTPUT_VARIABLE path)
    string(APPEND lines "${part}\t${path}")
    get_source_file_property(definitions ${path} DIRECTORY ${folder} COMPILE_DEFINITIONS)
    if(definitions)
      foreach(definition IN LISTS definitions)
        string(APPEND lines "\t-D${definition}")
      endforeach()
    endif()
    string(APPEND lines "\n")
  endforeach()
  set(korvane_fuzz_sources "${lines}" PARENT_SCOPE)
endfunction()

set(korvane_fuzz_sources "")
korvane_fuzz_part(loader korvane_core "(^|/)BankFile(Open[A-Za-z]+)?\\.cpp$")
korvane_fuzz_part(rules korvane_core)
korvane_fuzz_part(document korvane_editor_core)
file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/fuzz-sources.tsv CONTENT "${korvane_fuzz_sources}")
