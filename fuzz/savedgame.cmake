# The accepted games are played through the game tests' recording view.
kobalind_add_fuzzer(fuzz_savedgame
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/FuzzSavedGame.cpp ${CMAKE_SOURCE_DIR}/tests/game/FakeView.cpp LIBS game)
target_include_directories(fuzz_savedgame PRIVATE ${CMAKE_SOURCE_DIR}/tests/game)
