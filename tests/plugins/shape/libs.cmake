# The shapefile tests drive libshapeplug.so through the loader and reach its readers directly
# through the plug-in's object library; the host's coordinate-system catalogue is tested here too.
set(TEST_EXTRA_LIBS shapeplug_objects)
set(TEST_EXTRA_DEPENDS shapeplug)
set(TEST_EXTRA_INCLUDES ${CMAKE_SOURCE_DIR}/apps/exchange)
list(APPEND srcs ${CMAKE_SOURCE_DIR}/apps/exchange/CoordinateSystemCatalog.cpp)
