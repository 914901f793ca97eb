# A small library that the binding tests load at run time. It is built into a folder of its own,
# outside the output folder, so that only the plug-in path finds it; nothing installs it.
set(QEL_TEST_PLUGIN_DIR ${CMAKE_BINARY_DIR}/test-plugins/platform)
add_library(qeltestplugin MODULE ${CMAKE_CURRENT_LIST_DIR}/plugins_for_tests/QelTestPlugin.cpp)
set_target_properties(qeltestplugin PROPERTIES
  PREFIX "lib" SUFFIX ".so"
  LIBRARY_OUTPUT_DIRECTORY ${QEL_TEST_PLUGIN_DIR})
set(TEST_EXTRA_DEPENDS qeltestplugin)
set(TEST_EXTRA_DEFINES QEL_TEST_PLUGIN_DIR="${QEL_TEST_PLUGIN_DIR}")
set(TEST_EXTRA_LIBS ${CMAKE_DL_LIBS})
