kobalind_add_fuzzer(fuzz_gif SOURCES ${CMAKE_CURRENT_LIST_DIR}/FuzzGif.cpp LIBS resources)
