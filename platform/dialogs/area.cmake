# The dialog tests read dialogs from a resource script of their own, compiled beside the test output.
set(qv_dialog_fixture ${PROJECT_SOURCE_DIR}/tests/fixtures/dialogs/dialogs.rc)
if(EXISTS ${qv_dialog_fixture})
  include(${PROJECT_SOURCE_DIR}/cmake/QuorviaResources.cmake)
  file(GLOB qv_dialog_fixture_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/fixtures/dialogs/*)
  set(qv_dialog_fixture_res ${PROJECT_BINARY_DIR}/test-output/dialogs/dialogs.res)
  qv_compile_resources(OUTPUT ${qv_dialog_fixture_res} SCRIPT ${qv_dialog_fixture} DEPENDS ${qv_dialog_fixture_files})
  add_custom_target(quorvia_dialog_fixture ALL DEPENDS ${qv_dialog_fixture_res})
endif()
