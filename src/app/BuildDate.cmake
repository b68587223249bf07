# Writes the date of the build into OUTPUT (BuildDate.h) for the About dialog. The file is
# replaced only when the date changed, so a build on the same day recompiles nothing.
# string(TIMESTAMP) takes SOURCE_DATE_EPOCH when it is set, for reproducible builds.
string(TIMESTAMP date "%Y-%m-%d" UTC)
file(WRITE "${OUTPUT}.new" "#pragma once\n#define LUMENO_BUILD_DATE \"${date}\"\n")
execute_process(COMMAND ${CMAKE_COMMAND} -E copy_if_different "${OUTPUT}.new" "${OUTPUT}")
file(REMOVE "${OUTPUT}.new")
