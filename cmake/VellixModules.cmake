# One object library per source folder ("module"). The static library
# libvellix bundles all of them; each test program links only the modules it
# needs, so a half-finished module elsewhere never blocks another's tests.
#
# vx_module(NAME DIR [DEPS mod...]) globs DIR/*.cc. Modules are declared
# from the lowest layer up, and a module may only depend on modules declared
# before it, so the layers can never form a loop. tools/check_layers.py holds
# the includes of every folder to the same list.
function(vx_module name dir)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  foreach(dep IN LISTS ARG_DEPS)
    if(NOT TARGET vx_${dep})
      message(FATAL_ERROR "module ${name} depends on ${dep}, which is not a lower layer")
    endif()
  endforeach()
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/src/${dir}/*.cc")
  if(NOT sources)
    message(FATAL_ERROR "module ${name} has no sources in src/${dir}")
  endif()
  add_library(vx_${name} OBJECT ${sources})
  target_include_directories(vx_${name} PUBLIC "${CMAKE_SOURCE_DIR}/src")
  set_property(GLOBAL APPEND PROPERTY VX_MODULES vx_${name})
  set_property(GLOBAL PROPERTY VX_DEPS_${name} ${ARG_DEPS})
  set_property(GLOBAL APPEND PROPERTY VX_LAYER_MAP "${name}=${dir}=${ARG_DEPS}")
endfunction()

# Every module NAME needs, itself included, in dependency order.
function(vx_module_closure out)
  set(result "")
  set(todo ${ARGN})
  while(todo)
    list(POP_FRONT todo m)
    if(NOT "vx_${m}" IN_LIST result)
      list(APPEND result vx_${m})
      get_property(deps GLOBAL PROPERTY VX_DEPS_${m})
      list(APPEND todo ${deps})
    endif()
  endwhile()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

# vx_test(NAME DIR MODULES mod...): a GoogleTest program from tests/DIR/*.cc.
function(vx_test name dir)
  cmake_parse_arguments(ARG "" "" "MODULES" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/tests/${dir}/*.cc")
  if(NOT sources)
    return()
  endif()
  vx_module_closure(mods ${ARG_MODULES})
  add_executable(vx_test_${name} ${sources})
  target_link_libraries(vx_test_${name} PRIVATE ${mods} vx_testing
    PkgConfig::GD PkgConfig::INIH ZLIB::ZLIB GTest::gmock GTest::gtest_main)
  target_compile_definitions(vx_test_${name} PRIVATE
    VELLIX_TEST_DATA_DIR="${CMAKE_SOURCE_DIR}/tests/data"
    VELLIX_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    VELLIX_BINARY_DIR="${CMAKE_BINARY_DIR}")
  gtest_discover_tests(vx_test_${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "VELLIX_HOME=${CMAKE_BINARY_DIR}/test-home")
endfunction()
