# The tests run the built program, read its --json output, and run jobs through the framework's
# test plug-ins.
set(TEST_EXTRA_LIBS nlohmann_json::nlohmann_json)
set(TEST_EXTRA_DEPENDS exchange testpluga testplugb)
set(TEST_EXTRA_DEFINES TEST_PLUGIN_DIR="${CMAKE_BINARY_DIR}/test-plugins/framework")
set(TEST_EXTRA_INCLUDES ${CMAKE_CURRENT_LIST_DIR}/../../core/framework/plugins_for_tests)
list(APPEND TEST_EXTRA_DEPENDS shapeplug)
list(APPEND TEST_EXTRA_DEFINES EXCHCORE_SAMPLE_DIR="${CMAKE_SOURCE_DIR}/data/sample")
