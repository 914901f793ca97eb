# The tests run the built program and read its --json output.
set(TEST_EXTRA_LIBS nlohmann_json::nlohmann_json)
set(TEST_EXTRA_DEPENDS exchange)
