# The question banks that ship with the game, each as "base name|title":
# data/<base name>.tqz is the bank and data/checks/<base name>.md the record
# of its blind check. The install, the desktop entry's actions, the manual
# page, korvwin --help and the bank tests all read this one list. The first
# is the bank the game reads when started without one.
set(KORVANE_SHIPPED_BANKS
  "quarl3|General Knowledge"
  "science-and-nature|Science and Nature"
  "geography|Geography"
  "history-and-inventions|History and Inventions"
  "words-books-and-art|Words, Books and Art"
  "childrens-quiz|Children's Quiz"
  "quiz-night|Quiz Night"
)

# The base names double as desktop action names, and the titles go into C++
# strings and desktop entry values unescaped.
set(KORVANE_SHIPPED_BANK_NAMES)
set(KORVANE_SHIPPED_BANK_TITLES)
foreach(bank IN LISTS KORVANE_SHIPPED_BANKS)
  if(NOT bank MATCHES "^([a-z0-9-]+)\\|([^\"\\\\|]+)$")
    message(FATAL_ERROR "Shipped bank \"${bank}\" is not \"base name|title\" "
      "(base name of a-z, 0-9 and -; a title without quotes or backslashes)")
  endif()
  list(APPEND KORVANE_SHIPPED_BANK_NAMES ${CMAKE_MATCH_1})
  list(APPEND KORVANE_SHIPPED_BANK_TITLES "${CMAKE_MATCH_2}")
  if(NOT EXISTS ${CMAKE_CURRENT_LIST_DIR}/${CMAKE_MATCH_1}.tqz)
    message(WARNING "data/${CMAKE_MATCH_1}.tqz is a shipped bank but is not there yet: "
      "the install and the bank tests will fail until it is")
  endif()
endforeach()
list(GET KORVANE_SHIPPED_BANK_NAMES 0 korvane_first_bank)
if(NOT korvane_first_bank STREQUAL "quarl3")
  message(FATAL_ERROR "The first shipped bank must be quarl3, the one the game reads by default")
endif()

# The list for C++: the game's --help and the tests.
set(korvane_bank_rows "")
foreach(name title IN ZIP_LISTS KORVANE_SHIPPED_BANK_NAMES KORVANE_SHIPPED_BANK_TITLES)
  string(APPEND korvane_bank_rows "    {\"${name}.tqz\", \"${title}\"},\n")
endforeach()
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/generated/ShippedBanks.h CONTENT [=[
#pragma once
// Generated from data/ShippedBanks.cmake: edit the list there.

struct ShippedBankName {
    const char *file;  // in data/ and, installed, in the game's bank folder
    const char *title;
};

inline constexpr ShippedBankName ShippedBanks[] = {
@korvane_bank_rows@};
]=] @ONLY)
