kobalind_add_fuzzer(fuzz_jpeg SOURCES ${CMAKE_CURRENT_LIST_DIR}/FuzzJpeg.cpp LIBS resources)
