# cmake --install: the program folder (the executables, the utility library and the definition
# archive side by side, as the program looks for them beside itself) under lib/VOKG_SET, the
# commands linked into bin, and the desktop entry, icon and data-file types under share.
include(GNUInstallDirs)
set(VOKG_PROGRAM_FOLDER ${CMAKE_INSTALL_LIBDIR}/VOKG_SET)
install(TARGETS VOKG_SET vokg-cli RUNTIME DESTINATION ${VOKG_PROGRAM_FOLDER})
install(TARGETS hlpkit LIBRARY DESTINATION ${VOKG_PROGRAM_FOLDER})
install(FILES ${CMAKE_SOURCE_DIR}/data/definitions/VOKG_SET.e DESTINATION ${VOKG_PROGRAM_FOLDER})
foreach(command VOKG_SET vokg-cli)
  install(CODE "
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(CREATE_LINK \"../${VOKG_PROGRAM_FOLDER}/${command}\"
         \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${command}\" SYMBOLIC)")
endforeach()
install(FILES ${CMAKE_CURRENT_LIST_DIR}/vokg-set.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/VOKG_SET.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/vokg-set.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
