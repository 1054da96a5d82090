# Installing Quillet like a desktop program: the two executables, the shipped
# content (help and Examples), an icon, a desktop entry for batch files and a
# man page for qlt. On Linux the content goes to share/quillet, where the
# installed program looks for it; on Windows it goes beside the executables.
include(GNUInstallDirs)

install(TARGETS qlt RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(QUILLET_BUILD_APP)
  install(TARGETS quillet RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

if(WIN32)
  set(QUILLET_CONTENT_DESTINATION ${CMAKE_INSTALL_BINDIR})
else()
  set(QUILLET_CONTENT_DESTINATION ${CMAKE_INSTALL_DATADIR}/quillet)
endif()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/help ${PROJECT_SOURCE_DIR}/resources/Examples
        DESTINATION ${QUILLET_CONTENT_DESTINATION})

if(NOT WIN32)
  foreach(size IN ITEMS 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/quillet-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME quillet.png)
  endforeach()
  install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/quillet.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/quillet.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/man/qlt.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
