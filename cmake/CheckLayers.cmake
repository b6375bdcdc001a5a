# Which folder's code may include which: the core in one order, each folder
# above only those before it; the windows and the programs above the core.
# An include in any form counts ("x/a.h", <x/a.h>, "../x/a.h", and a name
# beside the file), and a Qt include anywhere in the core. A file that breaks
# the order stops the configure with its name and the include.
#
# Run by the build at configure time, and on its own for the tests:
#   cmake -DVANTREL_LAYERS_ROOT=<source folder> -P cmake/CheckLayers.cmake

cmake_policy(VERSION 3.22)

set(VANTREL_CORE_ORDER platform text settings catalogue output lookup)
set(VANTREL_LAYERS_ABOVE_CORE
  "cli:"
  "tools:"
  "widgets:"
  "dialogs:widgets"
  "app:widgets dialogs")

# The folders that folder's code may include from, in the variable out.
function(vantrel_allowed_layers folder out)
  set(allowed)
  list(FIND VANTREL_CORE_ORDER ${folder} at)
  if(at GREATER_EQUAL 0)
    if(at GREATER 0)
      math(EXPR last "${at} - 1")
      foreach(i RANGE ${last})
        list(GET VANTREL_CORE_ORDER ${i} layer)
        list(APPEND allowed ${layer})
      endforeach()
    endif()
  else()
    list(APPEND allowed ${VANTREL_CORE_ORDER})
    foreach(entry IN LISTS VANTREL_LAYERS_ABOVE_CORE)
      string(REGEX REPLACE ":.*" "" name "${entry}")
      if(name STREQUAL folder)
        string(REGEX REPLACE "^[^:]*:" "" above "${entry}")
        separate_arguments(above)
        list(APPEND allowed ${above})
      endif()
    endforeach()
  endif()
  set(${out} ${allowed} PARENT_SCOPE)
endfunction()

function(vantrel_check_layers root)
  set(layers ${VANTREL_CORE_ORDER})
  foreach(entry IN LISTS VANTREL_LAYERS_ABOVE_CORE)
    string(REGEX REPLACE ":.*" "" name "${entry}")
    list(APPEND layers ${name})
  endforeach()
  foreach(folder IN LISTS layers)
    vantrel_allowed_layers(${folder} allowed)
    file(GLOB_RECURSE sources ${root}/${folder}/*.h ${root}/${folder}/*.cpp ${root}/${folder}/*.inc)
    foreach(src IN LISTS sources)
      file(STRINGS ${src} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
      foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*)[>\"].*" "\\1" target "${line}")
        if(folder IN_LIST VANTREL_CORE_ORDER AND target MATCHES "^Q")
          message(FATAL_ERROR "${src} includes Qt (${target}), but the core must stay free of Qt")
        endif()
        # A name without a folder, or one that climbs, is found beside the file.
        if(target MATCHES "^\\.\\.?/" OR NOT target MATCHES "/")
          get_filename_component(dir ${src} DIRECTORY)
          get_filename_component(resolved ${dir}/${target} ABSOLUTE)
          file(RELATIVE_PATH target ${root} ${resolved})
        endif()
        string(REGEX REPLACE "/.*" "" layer "${target}")
        if(layer STREQUAL folder OR NOT layer IN_LIST layers OR layer IN_LIST allowed)
          continue()
        endif()
        message(FATAL_ERROR "${src} includes ${line}: ${folder}/ may include only from "
                            "${allowed} (see cmake/CheckLayers.cmake)")
      endforeach()
    endforeach()
  endforeach()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE AND VANTREL_LAYERS_ROOT)
  vantrel_check_layers(${VANTREL_LAYERS_ROOT})
endif()
