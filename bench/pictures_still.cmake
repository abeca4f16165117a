# Still pictures: our bitmap loader against Qt's BMP reader, our JPEG loader
# against libjpeg called directly.
if(KOBALIND_WITH_QT)
  kobalind_add_bench(bench_pictures_still SOURCES ${CMAKE_CURRENT_LIST_DIR}/PicturesStillBench.cpp
                     LIBS contentkit resources JPEG::JPEG Qt6::Gui)
endif()
