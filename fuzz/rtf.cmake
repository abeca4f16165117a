kobalind_add_fuzzer(fuzz_rtf SOURCES ${CMAKE_CURRENT_LIST_DIR}/FuzzRtf.cpp LIBS rtf)
