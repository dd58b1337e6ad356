# Library and test helpers. Every .cpp file of a listed folder belongs to its target, so
# adding a module or a test file needs no edit of a CMake file.

# tolvar_library(NAME DIRS <dirs...> DEPS <targets...>)
function(tolvar_library name)
  cmake_parse_arguments(ARG "" "" "DIRS;DEPS" ${ARGN})
  set(sources)
  foreach(dir ${ARG_DIRS})
    file(GLOB found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${dir}/*.cpp ${PROJECT_SOURCE_DIR}/src/${dir}/*.h)
    list(APPEND sources ${found})
  endforeach()
  if(NOT sources)
    # A layer with no module yet still gives a target, so the ones above can link it.
    set(sources ${PROJECT_SOURCE_DIR}/cmake/empty.cpp)
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS} PRIVATE tolvar_warnings)
endfunction()

# tolvar_test(NAME DIRS <test dirs below tests/...> DEPS <targets...> [WINDOWS])
# WINDOWS tests run with one QApplication on the offscreen platform.
function(tolvar_test name)
  cmake_parse_arguments(ARG "WINDOWS" "" "DIRS;DEPS" ${ARGN})
  set(sources)
  foreach(dir ${ARG_DIRS})
    file(GLOB found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/${dir}/*.cpp)
    list(APPEND sources ${found})
  endforeach()
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  if(ARG_WINDOWS)
    target_link_libraries(${name} PRIVATE ${ARG_DEPS} tolvar_test_support_ui GTest::gmock tolvar_warnings)
  else()
    target_link_libraries(${name} PRIVATE ${ARG_DEPS} tolvar_test_main GTest::gmock tolvar_warnings)
  endif()
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  # Tests read the generated installation tree.
  add_dependencies(${name} tolvar_shipped)
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TOLVAR_SHARE_DIR=${TOLVAR_SHARE_DIR}"
    DISCOVERY_TIMEOUT 60)
endfunction()
