# The birthday register's schema, the empty register qh.dll built from it,
# and its placement beside the programs (build) and in the installed bin
# folder (install). An existing qh.dll is never overwritten.

set(QH_DB_DIR ${CMAKE_CURRENT_LIST_DIR})
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${QH_DB_DIR}/schema.sql)
file(READ ${QH_DB_DIR}/schema.sql QH_SCHEMA_SQL)
configure_file(${QH_DB_DIR}/DbSchemaText.cpp.in ${CMAKE_CURRENT_BINARY_DIR}/DbSchemaText.cpp @ONLY)

add_library(qhdbschema STATIC
  ${QH_DB_DIR}/DbSchema.cpp
  ${CMAKE_CURRENT_BINARY_DIR}/DbSchemaText.cpp
)
target_include_directories(qhdbschema PUBLIC ${QH_DB_DIR})
target_link_libraries(qhdbschema PUBLIC Qt6::Core Qt6::Sql)

add_executable(qhmakedb ${QH_DB_DIR}/MakeEmptyDatabase.cpp)
target_link_libraries(qhmakedb PRIVATE qhdbschema)
# A build tool, kept out of the folder of the programs.
set_target_properties(qhmakedb PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})

set(QH_EMPTY_DB ${CMAKE_CURRENT_BINARY_DIR}/qh-empty.dll)
add_custom_command(
  OUTPUT ${QH_EMPTY_DB}
  COMMAND qhmakedb ${QH_EMPTY_DB}
  DEPENDS qhmakedb
  COMMENT "Writing the empty birthday register"
  VERBATIM)

add_custom_target(qh_register ALL
  COMMAND ${CMAKE_COMMAND} -DSOURCE=${QH_EMPTY_DB} -DTARGET=${CMAKE_BINARY_DIR}/bin/qh.dll
          -P ${QH_DB_DIR}/CopyIfAbsent.cmake
  DEPENDS ${QH_EMPTY_DB}
  VERBATIM)

install(CODE "
  execute_process(COMMAND \"${CMAKE_COMMAND}\"
    \"-DSOURCE=${QH_EMPTY_DB}\"
    \"-DTARGET=\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/qh.dll\"
    -P \"${QH_DB_DIR}/CopyIfAbsent.cmake\"
    COMMAND_ERROR_IS_FATAL ANY)
")
