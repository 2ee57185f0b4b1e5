# Run at install time: writes a desktop entry whose Exec line names the
# installed program by its full path, so the entry starts the game whatever
# prefix the installation was given. The entry is written straight into its
# place under the prefix (and DESTDIR), never into the build tree.
# In: LUMRA_ENTRY_TEMPLATE, LUMRA_ENTRY_NAME (the file name), LUMRA_BINDIR and
# LUMRA_ENTRY_DIR (each absolute, or relative to the prefix).
foreach(LUMRA_DIR LUMRA_BINDIR LUMRA_ENTRY_DIR)
  if(NOT IS_ABSOLUTE "${${LUMRA_DIR}}")
    set(${LUMRA_DIR} "${CMAKE_INSTALL_PREFIX}/${${LUMRA_DIR}}")
  endif()
endforeach()
# The program's folder goes inside the quoted argument of Exec, so it is
# escaped twice: first as the quoting asks (a backslash before " ` $ and \,
# and % doubled, or it reads as a field code), then as every string value
# asks (each backslash written \\).
set(LUMRA_PROGRAM_DIR "${LUMRA_BINDIR}")
string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" LUMRA_PROGRAM_DIR "${LUMRA_PROGRAM_DIR}")
string(REPLACE "%" "%%" LUMRA_PROGRAM_DIR "${LUMRA_PROGRAM_DIR}")
string(REPLACE "\\" "\\\\" LUMRA_PROGRAM_DIR "${LUMRA_PROGRAM_DIR}")
set(LUMRA_ENTRY_FILE "${LUMRA_ENTRY_DIR}/${LUMRA_ENTRY_NAME}")
set(LUMRA_ENTRY_OUTPUT "$ENV{DESTDIR}${LUMRA_ENTRY_FILE}")
message(STATUS "Installing: ${LUMRA_ENTRY_OUTPUT}")
file(READ "${LUMRA_ENTRY_TEMPLATE}" LUMRA_ENTRY_TEXT)
string(CONFIGURE "${LUMRA_ENTRY_TEXT}" LUMRA_ENTRY_TEXT @ONLY)
file(WRITE "${LUMRA_ENTRY_OUTPUT}" "${LUMRA_ENTRY_TEXT}")
# Listed in install_manifest.txt as install() lists the files it copies:
# by their place under the prefix, without DESTDIR in front.
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${LUMRA_ENTRY_FILE}")
