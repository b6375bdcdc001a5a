set(VANTREL_CORE_DIRS platform text settings catalogue output lookup)
set(VANTREL_CORE_SOURCES)
foreach(dir IN LISTS VANTREL_CORE_DIRS)
  file(GLOB dir_sources CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_SOURCE_DIR}/${dir}/*.h)
  list(APPEND VANTREL_CORE_SOURCES ${dir_sources})
endforeach()

# Refuse a Qt include in the core at configure time, with a message that
# names the file, rather than a confusing compile error later.
foreach(src IN LISTS VANTREL_CORE_SOURCES)
  file(STRINGS ${src} qt_includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Q")
  if(qt_includes)
    message(FATAL_ERROR "${src} includes Qt, but the core library must stay free of Qt")
  endif()
endforeach()

add_library(vantrel_core STATIC ${VANTREL_CORE_SOURCES})
target_include_directories(vantrel_core PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(vantrel_core PRIVATE vantrel_warnings)
