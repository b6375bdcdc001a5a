# vantrel-lookup for Windows as one zip: the program, which needs no DLL
# beyond the system's, and a README a Windows user can open in Notepad.
# `cmake --build <dir> --target vantrel_lookup_zip` in a Release cross build
# (scripts/package) makes vantrel-lookup-<version>-windows-x86_64.zip.
set(zip_name vantrel-lookup-${PROJECT_VERSION}-windows-x86_64.zip)
set(zip_stage ${CMAKE_BINARY_DIR}/zip)
# Notepad before Windows 10 shows a file with LF line ends as one line.
configure_file(${CMAKE_SOURCE_DIR}/data/vantrel-lookup-windows.txt.in ${zip_stage}/README.txt
  @ONLY NEWLINE_STYLE CRLF)
# The same date on every file, so one source gives the same zip.
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${zip_name}
  COMMAND ${CMAKE_STRIP} -o ${zip_stage}/vantrel-lookup.exe $<TARGET_FILE:vantrel-lookup>
  COMMAND ${CMAKE_COMMAND} -E tar cf ${CMAKE_BINARY_DIR}/${zip_name} --format=zip --mtime=${VANTREL_RELEASE_DATE}
          -- README.txt vantrel-lookup.exe
  WORKING_DIRECTORY ${zip_stage}
  DEPENDS vantrel-lookup ${zip_stage}/README.txt
  COMMENT "Windows zip ${zip_name}"
  VERBATIM)
add_custom_target(vantrel_lookup_zip DEPENDS ${CMAKE_BINARY_DIR}/${zip_name})
