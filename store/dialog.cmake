# The add-birthday dialog, the registration of a person, and the dialog's
# own table-driven lunar routine.
set(CMAKE_AUTOMOC ON)
add_library(qhdialog STATIC
  ${CMAKE_CURRENT_LIST_DIR}/LunarYearInfo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BirthdayOccurrences.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BirthdayRegistration.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Un_FrmAddtx.h
  ${CMAKE_CURRENT_LIST_DIR}/Un_FrmAddtx.cpp
)
target_include_directories(qhdialog PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(qhdialog PUBLIC qhstore qhcalendar qhchrome Qt6::Widgets Qt6::Sql)
