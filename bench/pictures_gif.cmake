# Our GIF decoder against giflib and Qt's reader, on the same animation.
find_package(GIF)
if(GIF_FOUND AND KOBALIND_WITH_QT)
  kobalind_add_bench(bench_pictures_gif SOURCES ${CMAKE_CURRENT_LIST_DIR}/PicturesGifBench.cpp
                     LIBS resources GIF::GIF Qt6::Gui)
  target_include_directories(bench_pictures_gif PRIVATE ${CMAKE_SOURCE_DIR}/tests/resources)
endif()
