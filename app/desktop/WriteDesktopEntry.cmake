# Run at install time: writes a desktop entry whose Exec line names the
# installed program by its full path, so the entry starts the game whatever
# prefix the installation was given.
# In: LUMRA_ENTRY_TEMPLATE, LUMRA_ENTRY_OUTPUT, LUMRA_BINDIR (absolute, or
# relative to the prefix).
if(IS_ABSOLUTE "${LUMRA_BINDIR}")
  set(LUMRA_PROGRAM_DIR "${LUMRA_BINDIR}")
else()
  set(LUMRA_PROGRAM_DIR "${CMAKE_INSTALL_PREFIX}/${LUMRA_BINDIR}")
endif()
file(READ "${LUMRA_ENTRY_TEMPLATE}" template)
file(CONFIGURE OUTPUT "${LUMRA_ENTRY_OUTPUT}" CONTENT "${template}" @ONLY)
