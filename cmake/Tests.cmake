# Test helpers. Native tests use gtest_main; Windows tests use our own main,
# which turns a crash into a deterministic non-zero exit code under Wine.
#
#   tavrin_test(NAME <name> SOURCES <files...> LIBS <targets...> [GUI])
#
# GUI tests share one virtual desktop, so they never run at the same time.
# Windows test programs carry our manifest (cmake/ReleaseResources.cmake).
include(${CMAKE_CURRENT_LIST_DIR}/GTest.cmake)

function(tavrin_test)
  cmake_parse_arguments(T "GUI" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  tavrin_warnings(${T_NAME})
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
  if(WIN32)
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} tavrin_win_test_main gtest)
    tavrin_add_manifest(${T_NAME})  # the tests run as the programs we ship
  else()
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} gtest_main gtest)
  endif()
  set(props "")
  if(T_GUI)
    list(APPEND props RESOURCE_LOCK desktop)
  endif()
  gtest_discover_tests(${T_NAME} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT 120 ${props})
endfunction()
