kobalind_add_fuzzer(fuzz_records SOURCES ${CMAKE_CURRENT_LIST_DIR}/FuzzRecords.cpp LIBS game)
