# The test plug-ins: two libraries from one source, so that tests can show rebinding. They are
# built into a folder of their own, found through EXCHCORE_PLUGIN_PATH, and never installed.
set(TEST_PLUGIN_DIR ${CMAKE_BINARY_DIR}/test-plugins/framework)
foreach(tag A B)
  string(TOLOWER ${tag} lower)
  add_library(testplug${lower} MODULE ${CMAKE_CURRENT_LIST_DIR}/plugins_for_tests/TestPlugin.cpp)
  target_compile_definitions(testplug${lower} PRIVATE TEST_PLUGIN_TAG='${tag}')
  target_include_directories(testplug${lower} PRIVATE ${CMAKE_CURRENT_LIST_DIR}/plugins_for_tests)
  target_link_libraries(testplug${lower} PRIVATE exchcore qelutils)
  set_target_properties(testplug${lower} PROPERTIES PREFIX "lib" SUFFIX ".so"
    LIBRARY_OUTPUT_DIRECTORY ${TEST_PLUGIN_DIR})
  list(APPEND TEST_EXTRA_DEPENDS testplug${lower})
endforeach()
set(TEST_EXTRA_DEFINES TEST_PLUGIN_DIR="${TEST_PLUGIN_DIR}")
set(TEST_EXTRA_INCLUDES ${CMAKE_CURRENT_LIST_DIR}/plugins_for_tests)
