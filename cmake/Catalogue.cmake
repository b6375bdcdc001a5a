# The built-in catalogue: every code of mingw-w64's error headers, evaluated
# at build time by tools/make_catalogue.cpp into C++ data for the core. A
# cross build cannot run a program it builds, so it is given one built for
# the build machine (scripts/windows-tests does that).
set(VANTREL_MINGW_INCLUDE /usr/share/mingw-w64/include CACHE PATH
  "The mingw-w64 include folder (package mingw-w64-common) the built-in catalogue is made from")
if(NOT EXISTS ${VANTREL_MINGW_INCLUDE}/winerror.h)
  message(FATAL_ERROR "No winerror.h in ${VANTREL_MINGW_INCLUDE}: install the package mingw-w64-common")
endif()

if(CMAKE_CROSSCOMPILING)
  set(VANTREL_MAKE_CATALOGUE "" CACHE FILEPATH "make_catalogue built for the build machine")
  if(NOT EXISTS "${VANTREL_MAKE_CATALOGUE}")
    message(FATAL_ERROR "A cross build needs -DVANTREL_MAKE_CATALOGUE=<make_catalogue built for this machine>")
  endif()
  set(make_catalogue_command ${VANTREL_MAKE_CATALOGUE})
else()
  add_executable(make_catalogue ${CMAKE_SOURCE_DIR}/tools/make_catalogue.cpp
    ${CMAKE_SOURCE_DIR}/catalogue/MacroTable.cpp ${CMAKE_SOURCE_DIR}/catalogue/ConstantExpression.cpp
    ${CMAKE_SOURCE_DIR}/lookup/CatalogueRules.cpp ${CMAKE_SOURCE_DIR}/lookup/CodeFamily.cpp)
  target_include_directories(make_catalogue PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(make_catalogue PRIVATE vantrel_warnings)
  if(VANTREL_FUZZ)
    # A tool, not a fuzz target: no libFuzzer to give its coverage hooks.
    target_compile_options(make_catalogue PRIVATE -fno-sanitize=fuzzer-no-link)
  endif()
  set(make_catalogue_command make_catalogue)
endif()

set(VANTREL_CATALOGUE_SOURCE ${CMAKE_BINARY_DIR}/generated/BuiltInCatalogueData.cpp)
# The headers change only when mingw-w64-common does; winerror.h stands for
# them all.
add_custom_command(OUTPUT ${VANTREL_CATALOGUE_SOURCE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
  COMMAND ${make_catalogue_command} ${VANTREL_MINGW_INCLUDE} ${VANTREL_CATALOGUE_SOURCE}
  DEPENDS ${make_catalogue_command} ${VANTREL_MINGW_INCLUDE}/winerror.h
  COMMENT "Built-in catalogue from ${VANTREL_MINGW_INCLUDE}"
  VERBATIM)
# The names are one string of some 190 KB, beyond the 64 KiB the standard
# obliges a compiler to take but well within what GCC and Clang take.
set_source_files_properties(${VANTREL_CATALOGUE_SOURCE} PROPERTIES COMPILE_OPTIONS -Wno-overlength-strings)
