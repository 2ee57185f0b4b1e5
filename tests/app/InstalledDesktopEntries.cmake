# Installs the desktop entries and the icon into a scratch prefix and checks
# what a desktop reads there: each entry passes desktop-file-validate, starts
# its program by the full installed path, names that program's file as its
# window class (Qt's instance part of WM_CLASS on X11) and finds its icon;
# and the install wrote nothing into the build tree.
# In: BUILD_DIR, PREFIX (may hold a space), VALIDATE (desktop-file-validate).
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

file(REMOVE_RECURSE "${PREFIX}")
list_files(before)
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}" --component desktop
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "install failed:\n${output}")
endif()
list_files(after)
if(NOT before STREQUAL after)
  message(SEND_ERROR "the install changed the build tree:\nbefore: ${before}\nafter: ${after}")
endif()

foreach(size 32x32 48x48 64x64 128x128 256x256)
  if(NOT EXISTS "${PREFIX}/share/icons/hicolor/${size}/apps/lumra-quest.png")
    message(SEND_ERROR "no ${size} icon under ${PREFIX}/share/icons/hicolor")
  endif()
endforeach()

foreach(pair "lumra-quest:Lumra_ENG" "lumra-quest-sv:Lumra_SVE")
  string(REPLACE ":" ";" pair "${pair}")
  list(GET pair 0 entry)
  list(GET pair 1 program)
  set(file "${PREFIX}/share/applications/${entry}.desktop")
  if(NOT EXISTS "${file}")
    message(SEND_ERROR "${entry}.desktop was not installed")
    continue()
  endif()
  execute_process(COMMAND "${VALIDATE}" "${file}" RESULT_VARIABLE result OUTPUT_VARIABLE output
                  ERROR_VARIABLE output)
  if(NOT result EQUAL 0 OR NOT output STREQUAL "")
    message(SEND_ERROR "desktop-file-validate on ${entry}.desktop:\n${output}")
  endif()
  file(STRINGS "${file}" lines)
  foreach(key_value "Exec=\"${PREFIX}/bin/${program}\"" "StartupWMClass=${program}" "Icon=lumra-quest")
    if(NOT key_value IN_LIST lines)
      message(SEND_ERROR "${entry}.desktop lacks the line ${key_value}:\n${lines}")
    endif()
  endforeach()
endforeach()
