# Runs at install time, when the prefix (--prefix) is known: the menu entry
# names the installed program by its full path, so it starts whatever the
# session's PATH holds. Expects SB_ENTRY_TEMPLATE, SB_ENTRY_STAGE,
# SB_INSTALL_BINDIR and SB_INSTALL_DATADIR.

function(sb_full_path dir out)
  if(IS_ABSOLUTE "${dir}")
    set(${out} "${dir}" PARENT_SCOPE)
  else()
    set(${out} "${CMAKE_INSTALL_PREFIX}/${dir}" PARENT_SCOPE)
  endif()
endfunction()

sb_full_path("${SB_INSTALL_BINDIR}" bindir)
sb_full_path("${SB_INSTALL_DATADIR}" datadir)
set(program "${bindir}/sectionbook")
if(program MATCHES "\n|\r")
  message(FATAL_ERROR "a menu entry cannot name a program whose path holds a line break: ${program}")
endif()

# Exec is quoted by the desktop entry rules when the path holds a reserved
# character; inside the quotes ", `, $ and \ take a backslash. The value is
# then a string of the entry file, where every backslash is doubled, and a
# per cent sign of Exec is written twice.
set(exec "${program}")
set(quote FALSE)
foreach(c " " "\t" "\"" "'" "\\" ">" "<" "~" "|" "&" "$" "*" "?" "#" "(" ")" "`")
  string(FIND "${exec}" "${c}" at)
  if(at GREATER -1)
    set(quote TRUE)
  endif()
endforeach()
string(FIND "${exec}" ";" at)  # not in the loop: a list would split it
if(at GREATER -1)
  set(quote TRUE)
endif()
if(quote)
  string(REPLACE "\\" "\\\\" exec "${exec}")
  string(REPLACE "\"" "\\\"" exec "${exec}")
  string(REPLACE "`" "\\`" exec "${exec}")
  string(REPLACE "$" "\\$" exec "${exec}")
  set(exec "\"${exec}\"")
endif()
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "%" "%%" exec "${exec}")
string(REPLACE "\\" "\\\\" tryexec "${program}")

set(SB_EXEC "${exec}")
set(SB_TRYEXEC "${tryexec}")
file(READ "${SB_ENTRY_TEMPLATE}" entry)
string(CONFIGURE "${entry}" entry @ONLY)
file(WRITE "${SB_ENTRY_STAGE}" "${entry}")
file(INSTALL "${SB_ENTRY_STAGE}" DESTINATION "${datadir}/applications")
