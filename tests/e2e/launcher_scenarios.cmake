# End-to-end scenarios of the launcher (Fesk.exe): included by
# tests/e2e/CMakeLists.txt, one fesk_e2e_test line per scenario.

if(WIN32)
  # A window for the Window services to act on (it logs the keys it gets),
  # and with /idle the idle Win32 program the figures compare against.
  add_executable(fesk_e2e_service_target WIN32 ${CMAKE_CURRENT_LIST_DIR}/launcher_service_target.cpp)
  set_target_properties(fesk_e2e_service_target PROPERTIES OUTPUT_NAME launcher_service_target)
  target_link_libraries(fesk_e2e_service_target PRIVATE user32 shell32)
  # A borderless window over the whole screen, in front: a full-screen program.
  add_executable(fesk_e2e_full_screen_target WIN32 ${CMAKE_CURRENT_LIST_DIR}/full_screen_target.cpp)
  set_target_properties(fesk_e2e_full_screen_target PROPERTIES OUTPUT_NAME full_screen_target)
  target_link_libraries(fesk_e2e_full_screen_target PRIVATE user32 gdi32)
endif()

# Strokes, RUNPOS, SENMIN, a held shortcut and a screen corner.
fesk_e2e_test(launcher_gestures PROGRAMS Fesk)
# The confirmation mode's questions and the launch error, with screenshots.
fesk_e2e_test(launcher_boxes PROGRAMS Fesk)
# The palette mode and the LINK hand-off.
fesk_e2e_test(launcher_palette_link PROGRAMS Fesk)
# A second start, and closing with Cancel and with OK.
fesk_e2e_test(launcher_lifecycle PROGRAMS Fesk)
# Window services under Ctrl+Alt against a window that logs what it gets.
fesk_e2e_test(launcher_window_services PROGRAMS Fesk DEPENDS fesk_e2e_service_target)
# Figures, printed only: stroke-to-start latency, idle CPU time, size of
# Fesk.exe (bench/launcher_wine_figures.sh runs it and shows them).
fesk_e2e_test(launcher_figures PROGRAMS Fesk DEPENDS fesk_e2e_service_target)
# Hostile settings files: absurd numbers, 10,000 sections, a 1 MB line, NUL
# bytes, a lone lead byte; each starts, saves its defaults on OK and ends.
fesk_e2e_test(hostile_launcher_files PROGRAMS Fesk TIMEOUT 600)
# A left-handed user (buttons swapped): the secondary button at a corner
# starts its program, the primary one does not; the tray click's dialog is
# the foreground window.
fesk_e2e_test(launcher_left_hand PROGRAMS Fesk)
# Quiet over a full-screen program: a stroke and a corner start nothing over
# it, a shortcut still does; with FULLSCREENQUIET=0 they start again.
fesk_e2e_test(launcher_full_screen PROGRAMS Fesk DEPENDS fesk_e2e_full_screen_target)
# Asleep while idle: the sensing ticks almost stop, and short shortcut
# presses and corner clicks still start their programs, woken by raw input.
fesk_e2e_test(launcher_wake PROGRAMS Fesk DEPENDS fesk_e2e_service_target)
# What a release would start, shown during a stroke: the preview window's
# text is the title of the program the release then starts; it goes at the
# release; the box on page "ﾏｳｽACT" turns it off.  Also at 144 DPI, in a
# Wine prefix of its own.
fesk_e2e_test(launcher_preview PROGRAMS Fesk)
if(NOT WIN32 AND FESK_WIN_BUILD_DIR)
  add_test(NAME e2e.launcher_preview_144
    COMMAND ${fesk_e2e_runner} --timeout 300 ${FESK_WIN_BUILD_DIR}/tests/e2e/launcher_preview.exe 144)
  set_tests_properties(e2e.launcher_preview_144 PROPERTIES RESOURCE_LOCK wine
    ENVIRONMENT "FESK_WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix-dpi144;FESK_ARTIFACTS=${CMAKE_BINARY_DIR}/artifacts")
endif()
# Quiet over a listed program (QUIETPROGRAMS): a stroke and a corner start
# nothing over its window, a shortcut still does; taken off the list on the
# dialog's page, they start again; a name typed and added is saved.
fesk_e2e_test(launcher_quiet_programs PROGRAMS Fesk DEPENDS fesk_e2e_full_screen_target)
# A program started in its work folder: another process can then remove
# the folder (the launcher is back in its own), and a command without a
# folder is found in its work folder.
fesk_e2e_test(launcher_work_folder PROGRAMS Fesk)
# A window in front that stops answering, the maximise service over it: the
# launcher still answers within 2 s and a shortcut still starts its program.
fesk_e2e_test(launcher_hung_window PROGRAMS Fesk DEPENDS fesk_e2e_service_target)
