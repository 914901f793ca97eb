# The shapefile tests drive libshapeplug.so through the loader and reach its readers directly
# through the plug-in's object library; the host's coordinate-system catalogue is tested here too.
set(TEST_EXTRA_LIBS shapeplug_objects)
list(APPEND srcs ${CMAKE_SOURCE_DIR}/apps/exchange/CoordinateSystemCatalog.cpp)
cmake_language(DEFER CALL add_dependencies ${name} shapeplug)
cmake_language(DEFER CALL target_include_directories ${name} PRIVATE ${CMAKE_SOURCE_DIR}/apps/exchange)
