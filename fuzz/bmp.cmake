kobalind_add_fuzzer(fuzz_bmp SOURCES ${CMAKE_CURRENT_LIST_DIR}/FuzzBmp.cpp LIBS resources)
