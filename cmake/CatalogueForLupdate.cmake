# Writes the message catalogue as a C++ file that only lupdate reads, so that the English module
# (and any other language module) lists every catalogue message next to the window texts:
# one QT_TRANSLATE_NOOP("MessageCatalogue", "<name>") per message, with the built-in Polish text
# as the note to the translator (Qt Linguist shows it beside the name).
#
#   cmake -DINPUT=<catalogue.def> -DOUTPUT=<file.cpp> -P CatalogueForLupdate.cmake
#
# The file is never compiled.

cmake_minimum_required(VERSION 3.25)

if(NOT DEFINED INPUT OR NOT DEFINED OUTPUT)
  message(FATAL_ERROR "CatalogueForLupdate.cmake needs -DINPUT=... and -DOUTPUT=...")
endif()

file(READ "${INPUT}" content)
# Characters CMake's list splitting would act on are parked and restored on output.
string(REPLACE ";" "@SEMICOLON@" content "${content}")
string(REPLACE "[" "@LBRACKET@" content "${content}")
string(REPLACE "]" "@RBRACKET@" content "${content}")
string(REPLACE "\r" "" content "${content}")
string(REPLACE "\n" ";" lines "${content}")

set(out "// Generated from resources/catalogue.def for lupdate; not compiled.\n")
string(APPEND out "static const char *const catalogueMessages[] = {\n")
set(count 0)
foreach(line IN LISTS lines)
  if(line MATCHES "^MESSAGE\\(([A-Za-z0-9_]+), *[0-9]+, *\"(.*)\"\\)[ \t]*$")
    set(name "${CMAKE_MATCH_1}")
    set(text "${CMAKE_MATCH_2}")
    # lupdate folds blanks and reads escapes in these notes: line breaks are shown as a marker.
    string(REPLACE "\\r\\n" " [CR LF] " text "${text}")
    string(REPLACE "\\\"" "\"" text "${text}")
    string(APPEND out "    //: ${text}\n    QT_TRANSLATE_NOOP(\"MessageCatalogue\", \"${name}\"),\n")
    math(EXPR count "${count} + 1")
  endif()
endforeach()
string(APPEND out "};\n")
string(REPLACE "@SEMICOLON@" ";" out "${out}")
string(REPLACE "@LBRACKET@" "[" out "${out}")
string(REPLACE "@RBRACKET@" "]" out "${out}")

if(count EQUAL 0)
  message(FATAL_ERROR "No MESSAGE(...) line in ${INPUT}")
endif()

# Rewritten only when it changes, so that nothing depending on it runs again needlessly.
set(old "")
if(EXISTS "${OUTPUT}")
  file(READ "${OUTPUT}" old)
endif()
if(NOT old STREQUAL out)
  file(WRITE "${OUTPUT}" "${out}")
endif()
