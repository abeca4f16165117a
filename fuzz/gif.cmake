kobalind_add_fuzzer(fuzz_gif SOURCES ${CMAKE_CURRENT_LIST_DIR}/FuzzGif.cpp LIBS resources)
# The decoder lives in the resources library: it needs the fuzzer's coverage
# and the sanitizers as much as the target does.
if(KOBALIND_FUZZ)
  target_compile_options(resources PRIVATE -fsanitize=fuzzer-no-link,address,undefined)
endif()
