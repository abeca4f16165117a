# The archive reader against raw zlib, and a whole deal of 60 pairs.
kobalind_add_bench(bench_archive
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ArchiveBench.cpp ${CMAKE_CURRENT_LIST_DIR}/DealBench.cpp
  LIBS game resources ZLIB::ZLIB)
target_include_directories(bench_archive PRIVATE ${CMAKE_SOURCE_DIR}/tests/game)
