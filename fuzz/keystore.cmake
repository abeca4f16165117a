kobalind_add_fuzzer(fuzz_keystore SOURCES ${CMAKE_CURRENT_LIST_DIR}/FuzzKeyStore.cpp LIBS platform)
