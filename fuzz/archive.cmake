kobalind_add_fuzzer(fuzz_archive SOURCES ${CMAKE_CURRENT_LIST_DIR}/FuzzArchive.cpp LIBS resources)
