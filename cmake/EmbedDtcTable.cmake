# Turns the fault-code description file into C++ table rows, so that the program carries the
# descriptions compiled in and never reads the file at run time.
#
#   cmake -DINPUT=<dtc_descriptions.txt> -DOUTPUT=<dtc_table.inc> -P EmbedDtcTable.cmake
#
# Input: UTF-8, "#" comment lines, then one "CODE|DESCRIPTION|" row per line; the description
# is everything between the first and the last "|", trailing blanks included.
# Output: one `{u"CODE", u"DESCRIPTION"},` line per row, in file order.

cmake_minimum_required(VERSION 3.25)

if(NOT DEFINED INPUT OR NOT DEFINED OUTPUT)
  message(FATAL_ERROR "EmbedDtcTable.cmake needs -DINPUT=... and -DOUTPUT=...")
endif()

file(READ "${INPUT}" content)

# Characters that would disturb either the C++ literal or CMake's own list splitting become
# octal escapes first; a three-digit octal escape never runs into the character after it.
# The backslash goes first so that the escapes added later are left alone.
string(REPLACE "\\" "\\134" content "${content}")
string(REPLACE "\"" "\\042" content "${content}")
string(REPLACE ";" "\\073" content "${content}")
string(REPLACE "[" "\\133" content "${content}")
string(REPLACE "]" "\\135" content "${content}")
string(REPLACE "\r" "" content "${content}")
string(REPLACE "\n" ";" lines "${content}")

set(rows "")
set(row_count 0)
set(line_number 0)
foreach(line IN LISTS lines)
  math(EXPR line_number "${line_number} + 1")
  if(line STREQUAL "" OR line MATCHES "^#")
    continue()
  endif()
  if(NOT line MATCHES "^([^|]+)\\|(.*)\\|$")
    message(FATAL_ERROR "${INPUT}:${line_number}: not a CODE|DESCRIPTION| row")
  endif()
  string(APPEND rows "{u\"${CMAKE_MATCH_1}\", u\"${CMAKE_MATCH_2}\"},\n")
  math(EXPR row_count "${row_count} + 1")
endforeach()

if(row_count EQUAL 0)
  message(FATAL_ERROR "${INPUT}: no description rows")
endif()

file(WRITE "${OUTPUT}" "// Generated from ${INPUT}; do not edit.\n${rows}")
