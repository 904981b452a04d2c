# The common-control tests open a dialog from a resource script of their own, compiled beside the
# test output.
set(qv_commctrl_fixture ${PROJECT_SOURCE_DIR}/tests/fixtures/commctrl/commctrl.rc)
if(EXISTS ${qv_commctrl_fixture})
  include(${PROJECT_SOURCE_DIR}/cmake/QuorviaResources.cmake)
  file(GLOB qv_commctrl_fixture_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/fixtures/commctrl/*)
  set(qv_commctrl_fixture_res ${PROJECT_BINARY_DIR}/test-output/commctrl/commctrl.res)
  qv_compile_resources(OUTPUT ${qv_commctrl_fixture_res} SCRIPT ${qv_commctrl_fixture} DEPENDS ${qv_commctrl_fixture_files})
  add_custom_target(quorvia_commctrl_fixture ALL DEPENDS ${qv_commctrl_fixture_res})
endif()
