if(CMAKE_CROSSCOMPILING)
  # The JSON library is headers only, so the build machine's copy serves a
  # cross build too. Its folder is the build machine's /usr/include, whose C
  # library must never come before the cross compiler's own, so the
  # library's headers alone are copied into the build and used from there.
  find_package(nlohmann_json 3 REQUIRED NO_CMAKE_FIND_ROOT_PATH)
  get_target_property(json_include nlohmann_json::nlohmann_json INTERFACE_INCLUDE_DIRECTORIES)
  list(GET json_include 0 json_include)
  file(COPY ${json_include}/nlohmann DESTINATION ${CMAKE_BINARY_DIR}/json-include)
  set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES ${CMAKE_BINARY_DIR}/json-include)
else()
  find_package(nlohmann_json 3 REQUIRED)
endif()

# Everything of vantrel-lookup but its main, so the tests run it in process.
# What differs between the systems (where the settings are, the console)
# lives in one folder per system, as in platform/.
file(GLOB VANTREL_CLI_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/cli/*.cpp ${CMAKE_SOURCE_DIR}/cli/*.h
  ${CMAKE_SOURCE_DIR}/cli/${VANTREL_PLATFORM}/*.cpp)
list(REMOVE_ITEM VANTREL_CLI_SOURCES ${CMAKE_SOURCE_DIR}/cli/main.cpp)
add_library(vantrel_cli STATIC ${VANTREL_CLI_SOURCES})
target_link_libraries(vantrel_cli PUBLIC vantrel_core nlohmann_json::nlohmann_json PRIVATE vantrel_warnings)
target_compile_definitions(vantrel_cli PRIVATE VANTREL_VERSION="${PROJECT_VERSION}")

add_executable(vantrel-lookup ${CMAKE_SOURCE_DIR}/cli/main.cpp)
target_link_libraries(vantrel-lookup PRIVATE vantrel_cli vantrel_warnings)
# A lookup is a whole short process: the C++ library linked in saves the
# dynamic loader a third of the program's start-up. On Windows the
# toolchain links everything in (winpthread too), so the .exe runs alone.
if(NOT VANTREL_SANITIZE)
  target_link_options(vantrel-lookup PRIVATE -static-libstdc++ -static-libgcc)
endif()
