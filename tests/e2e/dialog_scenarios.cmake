# End-to-end scenarios of the launcher's settings dialog and popup, and of
# F1 help in both programs: included by tests/e2e/CMakeLists.txt, one
# fesk_e2e_test line per scenario.

# The pages in pictures; a check box through live change, OK and Cancel.
fesk_e2e_test(dialog_settings PROGRAMS Fesk)
# The trigger page: the hints of the cells and of the markers painted into
# them; the Window-service trigger chosen with the mouse and saved by OK.
fesk_e2e_test(dialog_trigger_page PROGRAMS Fesk)
# The trail popup in pictures and colours, how it ends; a drop on the dialog.
fesk_e2e_test(dialog_trail_drop PROGRAMS Fesk)

# F1 in the launcher's dialog and the editor's window: the help document
# beside the program at the topic of the focused control or page.  The
# build puts Fesk.html beside the scenarios for the tests to copy.
if(WIN32)
  add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/Fesk.html
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/help/Fesk.html
            ${CMAKE_CURRENT_BINARY_DIR}/Fesk.html
    DEPENDS ${CMAKE_SOURCE_DIR}/help/Fesk.html)
  add_custom_target(fesk_e2e_help_document DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/Fesk.html)
endif()
fesk_e2e_test(dialog_help DEPENDS fesk_e2e_help_document)
if(WIN32)
  target_link_libraries(dialog_help PRIVATE shlwapi)  # AssocQueryString, PathCreateFromUrl
endif()

# "Windows起動時に自動起動" against the user's Run key, read back with the
# registry functions; the hints of the two boxes added to "動 作".
fesk_e2e_test(dialog_auto_start PROGRAMS Fesk)
if(WIN32)
  target_link_libraries(dialog_auto_start PRIVATE advapi32)
endif()
