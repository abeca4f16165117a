# Installs the runnable folder as it is in the build tree, so the program's
# rule "data files lie next to the executable" holds after installing:
#   <prefix>/lib/kobalind/   kobalind, kobalind.dat, kobalind@2x.dat, good.wav, bad.wav, cards/*.crd,
#                            cards/@2x/*.crd
#   <prefix>/bin/kobalind    a symbolic link to the executable (the program
#                            finds its folder through the resolved link)
#   <prefix>/share/applications/kobalind.desktop and the icon in hicolor.
# A runnable folder that misses a data file fails the install loudly.
set(KOBALIND_INSTALL_DIR lib/kobalind)

install(TARGETS kobalind RUNTIME DESTINATION ${KOBALIND_INSTALL_DIR})
install(FILES ${KOBALIND_RUN_DIR}/kobalind.dat ${KOBALIND_RUN_DIR}/kobalind@2x.dat ${KOBALIND_RUN_DIR}/good.wav ${KOBALIND_RUN_DIR}/bad.wav
        DESTINATION ${KOBALIND_INSTALL_DIR})
install(DIRECTORY ${KOBALIND_RUN_DIR}/cards DESTINATION ${KOBALIND_INSTALL_DIR}
        FILES_MATCHING PATTERN "*.crd")

# The launcher link and the desktop entry name the prefix given at install
# time (cmake --install --prefix ...), not the one configured.
install(CODE "
  set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
  file(MAKE_DIRECTORY \"\${bin}\")
  file(CREATE_LINK ../${KOBALIND_INSTALL_DIR}/kobalind \"\${bin}/kobalind\" SYMBOLIC)
  message(STATUS \"Installing: \${bin}/kobalind -> ../${KOBALIND_INSTALL_DIR}/kobalind\")
  set(KOBALIND_LAUNCHER \"\${CMAKE_INSTALL_PREFIX}/bin/kobalind\")
  configure_file(\"${CMAKE_CURRENT_LIST_DIR}/kobalind.desktop.in\"
                 \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/share/applications/kobalind.desktop\" @ONLY)
  message(STATUS \"Installing: \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/share/applications/kobalind.desktop\")
")
install(FILES ${CMAKE_CURRENT_LIST_DIR}/kobalind.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/kobalind-48.png DESTINATION share/icons/hicolor/48x48/apps
        RENAME kobalind.png)
