# The Windows window: a GUI program (no console beside it) with its icon.
if(WIN32 AND QUILLET_BUILD_APP)
  set_target_properties(quillet PROPERTIES WIN32_EXECUTABLE ON)
  target_sources(quillet PRIVATE ${PROJECT_SOURCE_DIR}/packaging/windows/quillet.rc)
endif()
