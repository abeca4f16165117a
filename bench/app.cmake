# The program as a whole: start-up to the first painted window, deals of 60
# pairs from the default sets, the end-of-game repaint of 120 GIF stills and
# the peak memory of a whole animated game. Needs the runnable folder.
if(KOBALIND_WITH_QT AND TARGET app)
  kobalind_add_bench(bench_app SOURCES ${CMAKE_CURRENT_LIST_DIR}/AppBench.cpp LIBS app)
  target_include_directories(bench_app PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_compile_definitions(bench_app PRIVATE KOBALIND_RUN_DIR="${KOBALIND_RUN_DIR}")
endif()

find_package(X11)
if(KOBALIND_WITH_QT AND TARGET kobalind AND X11_FOUND)
  kobalind_add_bench(bench_app_startup
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/StartupBench.cpp ${CMAKE_SOURCE_DIR}/tests/e2e/XSession.cpp
    LIBS X11::X11)
  target_include_directories(bench_app_startup PRIVATE ${CMAKE_SOURCE_DIR}/tests/e2e ${CMAKE_SOURCE_DIR}/tests)
  target_compile_definitions(bench_app_startup PRIVATE KOBALIND_RUN_DIR="${KOBALIND_RUN_DIR}")
endif()
