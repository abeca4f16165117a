kobalind_add_fuzzer(fuzz_savedgame SOURCES ${CMAKE_CURRENT_LIST_DIR}/FuzzSavedGame.cpp LIBS game)
