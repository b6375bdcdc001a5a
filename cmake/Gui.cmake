# The windows, in three libraries that depend one way only:
#   vantrel_widgets  the reusable controls, the seams and the pictures;
#   vantrel_dialogs  the dialogs, over the widgets and MainWindowLink;
#   vantrel_gui      start-up and the main window, over both.
# The window tests link the same code as the program; the executable is
# only main().

# cmake/CheckLayers.cmake refuses an include against that direction.
function(vantrel_gui_sources out)
  set(sources)
  foreach(dir IN LISTS ARGN)
    file(GLOB dir_sources CONFIGURE_DEPENDS
      ${CMAKE_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_SOURCE_DIR}/${dir}/*.h ${CMAKE_SOURCE_DIR}/${dir}/resources/*.qrc)
    list(APPEND sources ${dir_sources})
  endforeach()
  set(${out} ${sources} PARENT_SCOPE)
endfunction()

vantrel_gui_sources(VANTREL_WIDGETS_SOURCES widgets widgets/seams)
vantrel_gui_sources(VANTREL_DIALOGS_SOURCES dialogs)
vantrel_gui_sources(VANTREL_APP_SOURCES app)
list(REMOVE_ITEM VANTREL_APP_SOURCES ${CMAKE_SOURCE_DIR}/app/main.cpp)
# What start-up needs of the system beyond Qt (its signals), one folder per
# system.
if(NOT WIN32)
  vantrel_gui_sources(VANTREL_APP_LINUX_SOURCES app/linux)
  list(APPEND VANTREL_APP_SOURCES ${VANTREL_APP_LINUX_SOURCES})
endif()

add_library(vantrel_widgets STATIC ${VANTREL_WIDGETS_SOURCES})
target_link_libraries(vantrel_widgets
  PUBLIC vantrel_core Qt6::Widgets Qt6::PrintSupport Qt6::Svg
  PRIVATE vantrel_warnings)

# On X11 the system beep is the keyboard bell, set through Xlib.
find_package(X11)
if(X11_FOUND)
  target_link_libraries(vantrel_widgets PRIVATE X11::X11)
  target_compile_definitions(vantrel_widgets PRIVATE VANTREL_HAVE_X11)
endif()

add_library(vantrel_dialogs STATIC ${VANTREL_DIALOGS_SOURCES})
target_link_libraries(vantrel_dialogs PUBLIC vantrel_widgets PRIVATE vantrel_warnings)

add_library(vantrel_gui STATIC ${VANTREL_APP_SOURCES})
target_link_libraries(vantrel_gui PUBLIC vantrel_dialogs PRIVATE vantrel_warnings)
# Start-up opens the X display once to tell a missing one in plain words.
if(X11_FOUND)
  target_link_libraries(vantrel_gui PRIVATE X11::X11)
  target_compile_definitions(vantrel_gui PRIVATE VANTREL_HAVE_X11)
endif()

set_target_properties(vantrel_widgets vantrel_dialogs vantrel_gui PROPERTIES AUTOMOC ON AUTORCC ON)

add_executable(vantrel ${CMAKE_SOURCE_DIR}/app/main.cpp)
target_link_libraries(vantrel PRIVATE vantrel_gui vantrel_warnings)

set_source_files_properties(${CMAKE_SOURCE_DIR}/app/CommandLine.cpp PROPERTIES
  COMPILE_DEFINITIONS VANTREL_VERSION="${PROJECT_VERSION}")
