# Writes the manual page from the program's own "--help", so that the two
# cannot drift apart:
#   cmake -DPROGRAMM=skiora -DVORLAGE=skiora.1.in -DAUS=skiora.1
#         -DSKIORA_DATUM=... -DSKIORA_VERSION_TEXT=... -DSKIORA_DATENVERZ=... -P Handbuch.cmake
# The usage line becomes the synopsis; every indented line that starts with
# "-" becomes an option (its words up to two blanks in bold, the rest its
# text); an indented line without "-" continues the option before it; any
# other line becomes a paragraph after the options.
cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND ${PROGRAMM} --help
  OUTPUT_VARIABLE hilfe ERROR_VARIABLE fehler RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR hilfe STREQUAL "")
  message(FATAL_ERROR "${PROGRAMM} --help failed (${rc}): ${fehler}")
endif()

# roff: a backslash is \e, a minus \-, and a line may not start with a dot.
function(roff text aus)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "^([.'])" "\\\\&\\1" text "${text}")
  set(${aus} "${text}" PARENT_SCOPE)
endfunction()

# Lines as a list: what CMake lists treat specially is hidden first.
string(REPLACE ";" "@SEMI@" hilfe "${hilfe}")
string(REPLACE "[" "@AUF@" hilfe "${hilfe}")
string(REPLACE "]" "@ZU@" hilfe "${hilfe}")
string(REPLACE "\n" ";" zeilen "${hilfe}")

set(synopsis "")
set(optionen "")
set(absaetze "")
foreach(z IN LISTS zeilen)
  string(REPLACE "@SEMI@" ";" z "${z}")
  string(REPLACE "@AUF@" "[" z "${z}")
  string(REPLACE "@ZU@" "]" z "${z}")
  if(z STREQUAL "")
    continue()
  elseif(z MATCHES "^usage: *([^ ]+) *(.*)$")
    roff("${CMAKE_MATCH_2}" rest)
    string(APPEND synopsis ".B ${CMAKE_MATCH_1}\n${rest}\n")
  elseif(z MATCHES "^[ \t]+(-[^ \t].*)$")
    set(eintrag "${CMAKE_MATCH_1}")
    # The head is words with single blanks between them, up to the first gap.
    if(eintrag MATCHES "^([^ ]+( [^ ]+)*)  +([^ ].*)$")
      set(kopf "${CMAKE_MATCH_1}")
      set(text "${CMAKE_MATCH_3}")
    else()
      set(kopf "${eintrag}")
      set(text "")
    endif()
    roff("${kopf}" kopf)
    roff("${text}" text)
    string(APPEND optionen ".TP\n.B ${kopf}\n")
    if(NOT text STREQUAL "")
      string(APPEND optionen "${text}\n")
    endif()
  elseif(z MATCHES "^[ \t]+([^ \t].*)$" AND NOT optionen STREQUAL "")
    roff("${CMAKE_MATCH_1}" text)
    string(APPEND optionen "${text}\n")
  else()
    string(STRIP "${z}" z)
    roff("${z}" text)
    string(APPEND absaetze ".PP\n${text}\n")
  endif()
endforeach()
if(synopsis STREQUAL "" OR optionen STREQUAL "")
  message(FATAL_ERROR "${PROGRAMM} --help has no usage line or no options:\n${hilfe}")
endif()

set(SYNOPSIS "${synopsis}")
string(STRIP "${optionen}${absaetze}" OPTIONEN)
string(STRIP "${SYNOPSIS}" SYNOPSIS)
configure_file(${VORLAGE} ${AUS} @ONLY)
