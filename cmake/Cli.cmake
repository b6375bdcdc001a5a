find_package(nlohmann_json 3 REQUIRED)

# Everything of vantrel-lookup but its main, so the tests run it in process.
file(GLOB VANTREL_CLI_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/cli/*.cpp ${CMAKE_SOURCE_DIR}/cli/*.h)
list(REMOVE_ITEM VANTREL_CLI_SOURCES ${CMAKE_SOURCE_DIR}/cli/main.cpp)
add_library(vantrel_cli STATIC ${VANTREL_CLI_SOURCES})
target_link_libraries(vantrel_cli PUBLIC vantrel_core nlohmann_json::nlohmann_json PRIVATE vantrel_warnings)
target_compile_definitions(vantrel_cli PRIVATE VANTREL_VERSION="${PROJECT_VERSION}")

add_executable(vantrel-lookup ${CMAKE_SOURCE_DIR}/cli/main.cpp)
target_link_libraries(vantrel-lookup PRIVATE vantrel_cli vantrel_warnings)
# A lookup is a whole short process: the C++ library linked in saves the
# dynamic loader a third of the program's start-up.
if(NOT VANTREL_SANITIZE)
  target_link_options(vantrel-lookup PRIVATE -static-libstdc++ -static-libgcc)
endif()
