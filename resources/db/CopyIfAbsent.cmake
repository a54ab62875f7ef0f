# cmake -DSOURCE=... -DTARGET=... -P CopyIfAbsent.cmake
# Puts the empty register in place only where there is none: an existing
# qh.dll holds someone's birthdays and is never replaced.
if(NOT EXISTS "${TARGET}")
  get_filename_component(folder "${TARGET}" DIRECTORY)
  file(MAKE_DIRECTORY "${folder}")
  file(COPY_FILE "${SOURCE}" "${TARGET}.new")
  file(RENAME "${TARGET}.new" "${TARGET}")
  message(STATUS "Empty birthday register placed at ${TARGET}")
endif()
