# The platform layer is one set of headers in platform/ with one folder of
# implementations per system; the code above it never knows which it got.
if(WIN32)
  set(VANTREL_PLATFORM win32)
else()
  set(VANTREL_PLATFORM linux)
endif()

set(VANTREL_CORE_DIRS platform platform/${VANTREL_PLATFORM} text settings catalogue output lookup)
set(VANTREL_CORE_SOURCES)
foreach(dir IN LISTS VANTREL_CORE_DIRS)
  file(GLOB dir_sources CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_SOURCE_DIR}/${dir}/*.h)
  list(APPEND VANTREL_CORE_SOURCES ${dir_sources})
endforeach()

# Refuse an include against the order of the folders (a Qt one in the core
# among them) at configure time, with a message that names the file, rather
# than a confusing compile error or a tangle later.
include(cmake/CheckLayers.cmake)
vantrel_check_layers(${CMAKE_SOURCE_DIR})

include(cmake/Catalogue.cmake)
add_library(vantrel_core STATIC ${VANTREL_CORE_SOURCES} ${VANTREL_CATALOGUE_SOURCE})
target_include_directories(vantrel_core PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(vantrel_core PRIVATE vantrel_warnings)
if(WIN32)
  # <windows.h> without its min and max macros and its rarely used parts, in
  # the program's ANSI form.
  target_compile_definitions(vantrel_core PUBLIC NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601)
endif()
