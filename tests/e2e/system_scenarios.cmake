# End-to-end scenarios of the programs on the desktop and of the release:
# included by tests/e2e/CMakeLists.txt.

# Both programs in a folder with a blank in its path, a decoy Program.exe
# where an unquoted path would lead: the launcher starts its own editor.
fesk_e2e_test(system_install_folder)

# Both programs in a folder whose name code page 932 cannot spell, under the
# Japanese locale and under an English one: they find their own files.
fesk_e2e_test(system_any_folder_name)
if(WIN32)
  target_link_libraries(system_any_folder_name PRIVATE advapi32)
elseif(FESK_WIN_BUILD_DIR)
  add_test(NAME e2e.system_any_folder_name_english
    COMMAND ${fesk_e2e_runner} --timeout 300 ${FESK_WIN_BUILD_DIR}/tests/e2e/system_any_folder_name.exe)
  set_tests_properties(e2e.system_any_folder_name_english PROPERTIES RESOURCE_LOCK wine
    ENVIRONMENT "FESK_LANG=en_US.UTF-8;FESK_WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix;FESK_ARTIFACTS=${CMAKE_BINARY_DIR}/artifacts-english")
endif()

# The tray icons come back when the task bar is created anew.
fesk_e2e_test(desktop_tray PROGRAMS Fesk)

# The release: tests/release/check_release.sh packs the programs of the
# MinGW build with scripts/pack-release.sh, checks the zip and its read-me,
# and runs release_start.exe under Wine on the unpacked folder (the version
# resources, both programs starting and ending).
if(WIN32)
  add_executable(fesk_release_start ${CMAKE_SOURCE_DIR}/tests/release/release_start.cpp)
  set_target_properties(fesk_release_start PROPERTIES OUTPUT_NAME release_start)
  target_link_libraries(fesk_release_start PRIVATE fesk_e2e_driver version)
elseif(FESK_WIN_BUILD_DIR)
  add_test(NAME release.check
    COMMAND ${CMAKE_SOURCE_DIR}/tests/release/check_release.sh ${FESK_WIN_BUILD_DIR}
            ${CMAKE_BINARY_DIR}/release-check)
  set_tests_properties(release.check PROPERTIES RESOURCE_LOCK wine TIMEOUT 600
    ENVIRONMENT "FESK_WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix;FESK_ARTIFACTS=${CMAKE_BINARY_DIR}/artifacts")
endif()

# The editor's save keeps the keys the launcher wrote to section SYSTEM
# (FULLSCREENQUIET, AUTOSTART and one neither knows); a new launcher reads
# them back.
fesk_e2e_test(system_launcher_keys_kept)
if(WIN32)
  target_link_libraries(system_launcher_keys_kept PRIVATE advapi32)
endif()

# Both programs in a folder nobody can write (chattr +i between the two steps
# of tests/wine/run-in-locked-folder.sh): the settings live in
# "%APPDATA%\Fesk", where both programs read and save them.
if(WIN32)
  add_executable(system_settings_elsewhere ${CMAKE_CURRENT_SOURCE_DIR}/system_settings_elsewhere.cpp)
  target_link_libraries(system_settings_elsewhere PRIVATE fesk_e2e_driver)
  target_compile_options(system_settings_elsewhere PRIVATE -Wno-missing-field-initializers)
  add_dependencies(system_settings_elsewhere fesk_e2e_recorder Fesk FeskINI)
elseif(FESK_WIN_BUILD_DIR)
  add_test(NAME e2e.system_settings_elsewhere
    COMMAND ${CMAKE_SOURCE_DIR}/tests/wine/run-in-locked-folder.sh --timeout 300
            ${FESK_WIN_BUILD_DIR}/tests/e2e/system_settings_elsewhere.exe)
  set_tests_properties(e2e.system_settings_elsewhere PROPERTIES RESOURCE_LOCK wine TIMEOUT 900
    ENVIRONMENT "FESK_WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix;FESK_ARTIFACTS=${CMAKE_BINARY_DIR}/artifacts")
endif()

# The setup program (tests/release/check_setup.sh): built by
# scripts/pack-release.sh, installed, upgraded over a running Fesk and
# uninstalled in a Wine prefix made for it alone.
if(WIN32)
  add_executable(fesk_setup_scenario ${CMAKE_SOURCE_DIR}/tests/release/setup_scenario.cpp)
  set_target_properties(fesk_setup_scenario PROPERTIES OUTPUT_NAME setup_scenario)
  target_link_libraries(fesk_setup_scenario PRIVATE fesk_e2e_driver ole32 uuid)
  add_dependencies(fesk_setup_scenario Fesk FeskINI)
elseif(FESK_WIN_BUILD_DIR)
  add_test(NAME release.setup
    COMMAND ${CMAKE_SOURCE_DIR}/tests/release/check_setup.sh ${FESK_WIN_BUILD_DIR} ${CMAKE_BINARY_DIR}/setup-check)
  set_tests_properties(release.setup PROPERTIES RESOURCE_LOCK wine TIMEOUT 900
    ENVIRONMENT "FESK_ARTIFACTS=${CMAKE_BINARY_DIR}/artifacts")
endif()
