# zanret-samples: writes sample repositories. It stands apart from the plug-in's model on purpose:
# it produces the files the plug-in's reader must cope with.
add_executable(zanret-samples ${SAMPLES_SOURCES})
target_link_libraries(zanret-samples PRIVATE Qt6::Gui)
# The sample content is written with designated initializers that leave the other fields at their
# defaults on purpose.
target_compile_options(zanret-samples PRIVATE -Wno-missing-field-initializers)

# The default sample in the build tree (ZANRET_SAMPLES_DIR), for the tests (ZANRET_SAMPLES) and the
# demo; written again whenever the generator changes or the catalogue is gone. The catalogue is the
# last file written.
add_custom_command(
  OUTPUT ${ZANRET_SAMPLES_DIR}/zanret.xml
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:zanret-samples> ${ZANRET_SAMPLES_DIR}
  DEPENDS zanret-samples
  COMMENT "Writing the sample repository into ${ZANRET_SAMPLES_DIR}"
  VERBATIM)
add_custom_target(zanret-samples-data ALL DEPENDS ${ZANRET_SAMPLES_DIR}/zanret.xml)
