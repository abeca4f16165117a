# Installs the runnable folder as it is in the build tree, so the program's
# rule "data files lie next to the executable" holds after installing:
#   <prefix>/lib/kobalind/   kobalind, kobalind.dat, kobalind@2x.dat, good.wav, bad.wav, cards/*.crd,
#                            cards/@2x/*.crd (tessaly is installed there too, by its own folder;
#                            the skin's captions in each language, kobalind_LANG.dat and
#                            kobalind_LANG@2x.dat, by the generator's folder)
#   <prefix>/bin/kobalind    a symbolic link to the executable (/usr/games/kobalind for /usr)
#   <prefix>/share/applications/example.orvane.Kobalind.desktop and the icon in hicolor;
#   the software-centre metadata and the manual pages come from packaging/.
# A runnable folder that misses a data file fails the install loudly.
kobalind_install_program(kobalind GAME)
install(FILES ${KOBALIND_RUN_DIR}/kobalind.dat ${KOBALIND_RUN_DIR}/kobalind@2x.dat ${KOBALIND_RUN_DIR}/good.wav ${KOBALIND_RUN_DIR}/bad.wav
        DESTINATION ${KOBALIND_INSTALL_DIR})
install(DIRECTORY ${KOBALIND_RUN_DIR}/cards DESTINATION ${KOBALIND_INSTALL_DIR}
        FILES_MATCHING PATTERN "*.crd")

# The desktop entry's launcher names the prefix given at install time. Its
# file name is the software-centre id, which the metadata's launchable names.
install(CODE "
  set(KOBALIND_LAUNCHER \"\${CMAKE_INSTALL_PREFIX}/\${KOBALIND_GAMES_DIR}/kobalind\")
  configure_file(\"${CMAKE_CURRENT_LIST_DIR}/kobalind.desktop.in\"
                 \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/share/applications/example.orvane.Kobalind.desktop\" @ONLY)
  message(STATUS \"Installing: \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/share/applications/example.orvane.Kobalind.desktop\")
")
install(FILES ${CMAKE_CURRENT_LIST_DIR}/kobalind.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/kobalind-48.png DESTINATION share/icons/hicolor/48x48/apps
        RENAME kobalind.png)
