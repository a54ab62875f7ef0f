# The pictures of the windows and buttons (made by tools/artwork), compiled
# into the program under :/art and found by name through Artwork.h.
file(GLOB qh_art_pictures CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.png)
add_library(qhresources STATIC ${CMAKE_CURRENT_LIST_DIR}/Artwork.cpp)
target_include_directories(qhresources PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(qhresources PUBLIC Qt6::Gui)
qt_add_resources(qhresources qhart
  PREFIX /art
  BASE ${CMAKE_CURRENT_LIST_DIR}
  FILES ${qh_art_pictures})
