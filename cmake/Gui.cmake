# The windows: a library of every window and seam, so the window tests link
# the same code as the program, and the executable, which is only main().

file(GLOB VANTREL_GUI_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/app/*.cpp ${CMAKE_SOURCE_DIR}/app/*.h
  ${CMAKE_SOURCE_DIR}/app/seams/*.cpp ${CMAKE_SOURCE_DIR}/app/seams/*.h
  ${CMAKE_SOURCE_DIR}/dialogs/*.cpp ${CMAKE_SOURCE_DIR}/dialogs/*.h
  ${CMAKE_SOURCE_DIR}/app/resources/*.qrc ${CMAKE_SOURCE_DIR}/dialogs/resources/*.qrc)
list(REMOVE_ITEM VANTREL_GUI_SOURCES ${CMAKE_SOURCE_DIR}/app/main.cpp)

add_library(vantrel_gui STATIC ${VANTREL_GUI_SOURCES})
target_include_directories(vantrel_gui PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(vantrel_gui
  PUBLIC vantrel_core Qt6::Widgets Qt6::PrintSupport Qt6::Svg
  PRIVATE vantrel_warnings)

# On X11 the system beep is the keyboard bell, set through Xlib.
find_package(X11)
if(X11_FOUND)
  target_link_libraries(vantrel_gui PRIVATE X11::X11)
  target_compile_definitions(vantrel_gui PRIVATE VANTREL_HAVE_X11)
endif()

set_target_properties(vantrel_gui PROPERTIES AUTOMOC ON AUTORCC ON)

add_executable(vantrel ${CMAKE_SOURCE_DIR}/app/main.cpp)
target_link_libraries(vantrel PRIVATE vantrel_gui vantrel_warnings)

set_source_files_properties(${CMAKE_SOURCE_DIR}/app/CommandLine.cpp PROPERTIES
  COMPILE_DEFINITIONS VANTREL_VERSION="${PROJECT_VERSION}")
