# Checks that no source folder includes a header of a higher layer.
#
#   cmake -DSOURCE_DIR=<repository> -P cmake/CheckLayers.cmake
#
# The layers are the vx_module() lines of src/CMakeLists.txt: a module may
# include its own headers and those of the modules its DEPS reach, nothing
# else. The build registers this as a test, so an include that runs up the
# layers fails CI instead of slowly tangling the folders again.
cmake_minimum_required(VERSION 3.25)

file(STRINGS "${SOURCE_DIR}/src/CMakeLists.txt" module_lines REGEX "^vx_module\\(")
set(modules "")
foreach(line IN LISTS module_lines)
  string(REGEX REPLACE "^vx_module\\(([^)]*)\\).*$" "\\1" args "${line}")
  separate_arguments(args)
  list(POP_FRONT args name dir)
  list(REMOVE_ITEM args DEPS)
  list(APPEND modules ${name})
  set(dir_${name} ${dir})
  set(deps_${name} ${args})
endforeach()

# Every module a module may reach, itself included.
foreach(m IN LISTS modules)
  set(reach ${m})
  set(todo ${deps_${m}})
  while(todo)
    list(POP_FRONT todo d)
    if(NOT d IN_LIST reach)
      list(APPEND reach ${d})
      list(APPEND todo ${deps_${d}})
    endif()
  endwhile()
  set(reach_${m} ${reach})
endforeach()

# The module that owns a header path such as "site/frame/page_writer.h".
function(owner_of header out)
  get_filename_component(folder "${header}" DIRECTORY)
  set(found "")
  foreach(m IN LISTS modules)
    if(folder STREQUAL dir_${m})
      set(found ${m})
    endif()
  endforeach()
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

set(errors 0)
foreach(m IN LISTS modules)
  file(GLOB files "${SOURCE_DIR}/src/${dir_${m}}/*.h" "${SOURCE_DIR}/src/${dir_${m}}/*.cc")
  foreach(file IN LISTS files)
    file(STRINGS "${file}" includes REGEX "^#include \"")
    foreach(inc IN LISTS includes)
      string(REGEX REPLACE "^#include \"([^\"]*)\".*$" "\\1" header "${inc}")
      owner_of("${header}" target)
      if(target STREQUAL "")
        file(RELATIVE_PATH rel "${SOURCE_DIR}" "${file}")
        message(SEND_ERROR "${rel}: includes ${header}, which belongs to no lower module")
        math(EXPR errors "${errors} + 1")
      elseif(NOT target IN_LIST reach_${m})
        file(RELATIVE_PATH rel "${SOURCE_DIR}" "${file}")
        message(SEND_ERROR "${rel}: includes ${header} of module ${target}, which module ${m} must not reach")
        math(EXPR errors "${errors} + 1")
      endif()
    endforeach()
  endforeach()
endforeach()

if(errors GREATER 0)
  message(FATAL_ERROR "${errors} include(s) run up the layers")
endif()
list(LENGTH modules count)
message(STATUS "layers: ${count} modules, no include runs up")
