# Cards that move on the largest board: frame pacing of a flip, a miss
# turning back and a found pair's exit, and the CPU the board takes idle and
# with two animated faces up, motion on against off. In-process, on the
# offscreen platform unless QT_QPA_PLATFORM says otherwise (xcb under Xvfb).
if(KOBALIND_WITH_QT AND TARGET app)
  kobalind_add_bench(bench_motion SOURCES ${CMAKE_CURRENT_LIST_DIR}/MotionBench.cpp LIBS app)
  target_compile_definitions(bench_motion PRIVATE KOBALIND_RUN_DIR="${KOBALIND_RUN_DIR}")
endif()
