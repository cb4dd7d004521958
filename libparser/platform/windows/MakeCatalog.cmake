# Compiles a message source in gencat's form into the catalog that the Windows
# half of the platform layer reads (windows/KzCatalog.cpp):
#
#   cmake -DSOURCE=<file.msg> -DOUTPUT=<file.cat> -P MakeCatalog.cmake
#
# The source's rules: "$" followed by a blank starts a comment line, "$set N"
# starts set N, "$quote C" makes C the quote character, and "N text" (the text
# quoted or not) is message N of the current set, with C escapes. The catalog
# is a text file: the line "kivparser-catalog 1", then one line per message,
# "SET NUMBER TEXT", the text as the source wrote it between the quotes, its
# escapes kept for the reader to resolve.
cmake_minimum_required(VERSION 3.25)

file(READ "${SOURCE}" content)
# One list element per line; ";" and brackets would split or join elements.
string(REPLACE ";" "@KZSEMI@" content "${content}")
string(REPLACE "[" "@KZOPEN@" content "${content}")
string(REPLACE "]" "@KZCLOSE@" content "${content}")
string(REPLACE "\r\n" "\n" content "${content}")
string(REPLACE "\n" ";" lines "${content}")

set(out "kivparser-catalog 1\n")
set(set_number 1)
set(quote "")
set(line_number 0)
foreach(line IN LISTS lines)
  math(EXPR line_number "${line_number} + 1")
  if(line STREQUAL "" OR line MATCHES "^\\$[ \t]" OR line STREQUAL "$")
    continue()
  elseif(line MATCHES "^\\$set[ \t]+([0-9]+)")
    set(set_number ${CMAKE_MATCH_1})
  elseif(line MATCHES "^\\$quote[ \t]*(.?)")
    set(quote "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^\\$")
    message(FATAL_ERROR "${SOURCE}:${line_number}: directive not known to this compiler: ${line}")
  elseif(line MATCHES "^([0-9]+)[ \t]?(.*)$")
    set(number ${CMAKE_MATCH_1})
    set(text "${CMAKE_MATCH_2}")
    if(NOT quote STREQUAL "")
      string(LENGTH "${text}" length)
      string(SUBSTRING "${text}" 0 1 first)
      math(EXPR last_index "${length} - 1")
      if(length GREATER_EQUAL 2 AND first STREQUAL quote)
        string(SUBSTRING "${text}" ${last_index} 1 last)
        if(NOT last STREQUAL quote)
          message(FATAL_ERROR "${SOURCE}:${line_number}: unterminated text")
        endif()
        math(EXPR inner "${length} - 2")
        string(SUBSTRING "${text}" 1 ${inner} text)
      endif()
    endif()
    if(text MATCHES "\\\\$")
      message(FATAL_ERROR "${SOURCE}:${line_number}: continued lines are not supported")
    endif()
    string(APPEND out "${set_number} ${number} ${text}\n")
  else()
    message(FATAL_ERROR "${SOURCE}:${line_number}: not a message: ${line}")
  endif()
endforeach()

string(REPLACE "@KZSEMI@" ";" out "${out}")
string(REPLACE "@KZOPEN@" "[" out "${out}")
string(REPLACE "@KZCLOSE@" "]" out "${out}")
file(WRITE "${OUTPUT}" "${out}")
