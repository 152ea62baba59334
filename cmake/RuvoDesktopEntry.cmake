# Run by `cmake --install`: writes the launcher from its template with the installed program's
# full path and installs it into the applications folder. Set before it runs:
#   RUVO_DESKTOP_ENTRY_TEMPLATE  the template, with @RUVO_DESKTOP_EXEC@ and @RUVO_DESKTOP_TRY_EXEC@
#   RUVO_DESKTOP_ENTRY_FILE      where to write the finished entry before installing it
#   RUVO_PROGRAM_RELATIVE_PATH   the program below the prefix
#   RUVO_APPLICATIONS_DIR        the applications folder below the prefix

if(IS_ABSOLUTE "${RUVO_PROGRAM_RELATIVE_PATH}")
    set(program "${RUVO_PROGRAM_RELATIVE_PATH}")
else()
    set(program "${CMAKE_INSTALL_PREFIX}/${RUVO_PROGRAM_RELATIVE_PATH}")
endif()
if(program MATCHES "[\n\r]")
    message(FATAL_ERROR "A launcher cannot start a program whose path has a line break: ${program}")
endif()

# The Exec key's quoting, as the program writes its autostart entries: a path with a reserved
# character goes in double quotes, inside which '"', '`', '$' and '\' take a backslash; '%' is
# doubled either way.
string(REPLACE "%" "%%" exec "${program}")
if(exec MATCHES "[ \t\"'\\><~|&;$*?#()`]")
    string(REPLACE "\\" "\\\\" exec "${exec}")
    string(REPLACE "\"" "\\\"" exec "${exec}")
    string(REPLACE "`" "\\`" exec "${exec}")
    string(REPLACE "$" "\\$" exec "${exec}")
    set(exec "\"${exec}\"")
endif()
# Then the escapes of every string value of the file.
string(REPLACE "\\" "\\\\" RUVO_DESKTOP_EXEC "${exec}")
string(REPLACE "\t" "\\t" RUVO_DESKTOP_EXEC "${RUVO_DESKTOP_EXEC}")
string(REPLACE "\\" "\\\\" RUVO_DESKTOP_TRY_EXEC "${program}")
string(REPLACE "\t" "\\t" RUVO_DESKTOP_TRY_EXEC "${RUVO_DESKTOP_TRY_EXEC}")

configure_file("${RUVO_DESKTOP_ENTRY_TEMPLATE}" "${RUVO_DESKTOP_ENTRY_FILE}" @ONLY)
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${RUVO_APPLICATIONS_DIR}" TYPE FILE
     FILES "${RUVO_DESKTOP_ENTRY_FILE}")
