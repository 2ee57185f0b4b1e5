# Installs the desktop entries and the icon into a scratch prefix and checks
# what a desktop reads there: each entry passes desktop-file-validate, starts
# its program by the full installed path, names that program's file as its
# window class (Qt's instance part of WM_CLASS on X11) and finds its icon;
# install_manifest lists every file by its place under the prefix, DESTDIR or
# not; and the install wrote nothing into the build tree.
# In: BUILD_DIR, SCRATCH (a folder the test may fill and empty), DESKTOP_DIR
# (app/desktop in the sources), VALIDATE (desktop-file-validate).
cmake_minimum_required(VERSION 3.25)
if(NOT VALIDATE)
  message(FATAL_ERROR "desktop-file-validate was not found (package desktop-file-utils, scripts/install-deps)")
endif()

# The files under the build tree's app/ (whose install rules run) with the
# time each was last written.
function(list_files out)
  file(GLOB_RECURSE files LIST_DIRECTORIES false "${BUILD_DIR}/app/*")
  set(listing "")
  foreach(f IN LISTS files)
    file(TIMESTAMP "${f}" written "%s")
    list(APPEND listing "${f}@${written}")
  endforeach()
  set(${out} "${listing}" PARENT_SCOPE)
endfunction()

# Undoes escapes made with a backslash: a backslash and the n-th character
# of `keys` stand for the n-th character of `meanings`; any other character
# after a backslash is no escape and is refused.
function(undo_backslashes text keys meanings out)
  set(done "")
  while(text MATCHES "^([^\\\\]*)\\\\(.)(.*)$")
    string(APPEND done "${CMAKE_MATCH_1}")
    set(text "${CMAKE_MATCH_3}")
    string(FIND "${keys}" "${CMAKE_MATCH_2}" at)
    if(at EQUAL -1)
      message(SEND_ERROR "\\${CMAKE_MATCH_2} is no escape in ${keys}")
    endif()
    string(SUBSTRING "${meanings}" ${at} 1 meaning)
    string(APPEND done "${meaning}")
  endwhile()
  if(text MATCHES "\\\\")
    message(SEND_ERROR "a lone backslash ends ${text}")
  endif()
  set(${out} "${done}${text}" PARENT_SCOPE)
endfunction()

# The program an Exec value of one quoted argument starts, read as a desktop
# reads it: the string escapes of the file undone, then the quoting's, then
# %% taken for a %.
function(exec_program value out)
  undo_backslashes("${value}" "\\snrt" "\\ \n\r\t" value)
  if(NOT value MATCHES "^\"(.*)\"$")
    message(SEND_ERROR "Exec is not one quoted argument: ${value}")
  endif()
  undo_backslashes("${CMAKE_MATCH_1}" "\"`$\\" "\"`$\\" program)
  string(REPLACE "%%" "" codes "${program}")
  if(codes MATCHES "%")
    message(SEND_ERROR "Exec holds a field code: ${value}")
  endif()
  string(REPLACE "%%" "%" program "${program}")
  set(${out} "${program}" PARENT_SCOPE)
endfunction()

# The entry in `file` is valid and starts `program`, a full path.
function(check_entry file program)
  if(NOT EXISTS "${file}")
    message(SEND_ERROR "${file} was not installed")
    return()
  endif()
  execute_process(COMMAND "${VALIDATE}" "${file}" RESULT_VARIABLE result OUTPUT_VARIABLE output
                  ERROR_VARIABLE output)
  if(NOT result EQUAL 0 OR NOT output STREQUAL "")
    message(SEND_ERROR "desktop-file-validate on ${file}:\n${output}")
  endif()
  file(STRINGS "${file}" lines)
  cmake_path(GET program FILENAME name)
  foreach(key_value "StartupWMClass=${name}" "Icon=lumra-quest")
    if(NOT key_value IN_LIST lines)
      message(SEND_ERROR "${file} lacks the line ${key_value}:\n${lines}")
    endif()
  endforeach()
  list(FILTER lines INCLUDE REGEX "^Exec=")
  list(LENGTH lines execs)
  if(NOT execs EQUAL 1)
    message(SEND_ERROR "${file} has ${execs} Exec lines")
    return()
  endif()
  string(SUBSTRING "${lines}" 5 -1 value)
  exec_program("${value}" started)
  if(NOT started STREQUAL program)
    message(SEND_ERROR "${file} starts\n  ${started}\nnot\n  ${program}\n(Exec=${value})")
  endif()
endfunction()

# A prefix holding a space and a %, installed into straight and through
# DESTDIR: the entries name the prefix, never the staging folder, and the
# manifest is the same both times.
set(prefix "${SCRATCH}/pre fix%50/x")
foreach(destdir "" "${SCRATCH}/stage")
  file(REMOVE_RECURSE "${SCRATCH}")
  set(ENV{DESTDIR} "${destdir}")
  list_files(before)
  execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}" --component desktop
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  set(ENV{DESTDIR} "")
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "install (DESTDIR=${destdir}) failed:\n${output}")
  endif()
  list_files(after)
  if(NOT before STREQUAL after)
    message(SEND_ERROR "the install changed the build tree:\nbefore: ${before}\nafter: ${after}")
  endif()

  set(installed "${destdir}${prefix}")
  foreach(size 32x32 48x48 64x64 128x128 256x256)
    if(NOT EXISTS "${installed}/share/icons/hicolor/${size}/apps/lumra-quest.png")
      message(SEND_ERROR "no ${size} icon under ${installed}/share/icons/hicolor")
    endif()
  endforeach()
  check_entry("${installed}/share/applications/lumra-quest.desktop" "${prefix}/bin/Lumra_ENG")
  check_entry("${installed}/share/applications/lumra-quest-sv.desktop" "${prefix}/bin/Lumra_SVE")

  # Each line is an installed file by its place under the prefix, whatever
  # wrote it: install() or the entries' own rule.
  file(STRINGS "${BUILD_DIR}/install_manifest_desktop.txt" manifest)
  foreach(line IN LISTS manifest)
    cmake_path(IS_PREFIX prefix "${line}" under_prefix)
    if(NOT under_prefix OR NOT EXISTS "${destdir}${line}")
      message(SEND_ERROR "install_manifest (DESTDIR=${destdir}) lists ${line}, not a file installed under ${prefix}")
    endif()
  endforeach()
  foreach(entry lumra-quest lumra-quest-sv)
    if(NOT "${prefix}/share/applications/${entry}.desktop" IN_LIST manifest)
      message(SEND_ERROR "install_manifest (DESTDIR=${destdir}) does not list ${entry}.desktop:\n${manifest}")
    endif()
  endforeach()
  if(destdir STREQUAL "")
    set(straight_manifest "${manifest}")
  elseif(NOT manifest STREQUAL straight_manifest)
    message(SEND_ERROR "DESTDIR changes install_manifest:\n${straight_manifest}\nto\n${manifest}")
  endif()
endforeach()

# Every character the quoting of Exec escapes, in the program's folder. CMake
# takes a backslash in an install prefix for a folder separator, so this
# entry is written by the entries' own rule alone, not by an install.
function(write_entry program_dir entry_dir)
  set(LUMRA_ENTRY_TEMPLATE "${DESKTOP_DIR}/lumra-quest.desktop.in")
  set(LUMRA_ENTRY_NAME "lumra-quest.desktop")
  set(LUMRA_ENTRY_DIR "${entry_dir}")
  set(LUMRA_BINDIR "${program_dir}")
  include("${DESKTOP_DIR}/WriteDesktopEntry.cmake")
endfunction()
set(program_dir "/opt/back\\slash \"quoted\" \$HOME `date` 100%d/bin")
write_entry("${program_dir}" "${SCRATCH}/written")
check_entry("${SCRATCH}/written/lumra-quest.desktop" "${program_dir}/Lumra_ENG")
