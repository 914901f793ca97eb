# The tests read the host's --json output.
set(TEST_EXTRA_LIBS nlohmann_json::nlohmann_json)
