kobalind_add_fuzzer(fuzz_rtf SOURCES ${CMAKE_CURRENT_LIST_DIR}/FuzzRtf.cpp LIBS rtf)
if(KOBALIND_FUZZ)
  # The reader itself must carry the coverage the fuzzer is guided by.
  target_compile_options(rtf PRIVATE -fsanitize=fuzzer-no-link,address,undefined)
endif()
