# End-to-end scenarios of the editor (FeskINI.exe) and of the two programs
# together: included by tests/e2e/CMakeLists.txt, one fesk_e2e_test line per
# scenario.

# /A hand-off, a typed title, the save byte for byte, the launcher starts it.
fesk_e2e_test(editor_save_handoff)
# A second start ends by itself; the close box asks about unsaved changes.
fesk_e2e_test(editor_lifecycle PROGRAMS FeskINI)
# The group tree, programs into groups, a typed shortcut, a corner, a code
# and a start mask through the real window; FESK.TBL and Fesk.Ini after 保 存.
fesk_e2e_test(editor_pages PROGRAMS FeskINI)
# The whole road: the editor registers, the launcher reloads and starts by
# gesture, shortcut and corner, hands a gesture to a new editor, and starts
# a palette entry made in the palette command dialog.
fesk_e2e_test(system_road TIMEOUT 400)
# Figures, printed only: start with 100 programs until the window shows, and
# a save of 100 programs.
fesk_e2e_test(editor_figures PROGRAMS FeskINI TIMEOUT 400)
# Renaming in place, sorting, moving and deleting groups; the paths follow.
fesk_e2e_test(editor_groups PROGRAMS FeskINI)
# The list and the right column: duplicate check, browse, test start, move,
# delete, freed numbers, ﾏｳｽACT読込, animation, hints off, 終 了's question.
fesk_e2e_test(editor_list PROGRAMS FeskINI)
# The program page's fields, drops, a keypad digit, a refused page, the
# group caption, 新規登録 twice and at 100 programs.
fesk_e2e_test(editor_fields PROGRAMS FeskINI)
# The launcher opens the real editor: tray right click, Window service 6,
# a dropped file.
fesk_e2e_test(system_editor_starts)
# Keys: an emptied title refused, a 50-byte title, Esc and Enter, Alt+F4.
fesk_e2e_test(editor_keys PROGRAMS FeskINI)
# Saves that cannot write either file; a start without FESK.TBL.
fesk_e2e_test(editor_save_errors PROGRAMS FeskINI)
# ﾃﾞｽｸﾄｯﾌﾟ: every entry of the desktop folder offered, Yes, No and Cancel.
fesk_e2e_test(editor_desktop_import PROGRAMS FeskINI)
# Hints of labels (also those lying on a panel with a hint of its own).
fesk_e2e_test(editor_hints PROGRAMS FeskINI)
# The Tab key's round on every page, and the arrow keys in the radio groups.
fesk_e2e_test(editor_tab_order PROGRAMS FeskINI)
# Every way of ending asks before an edit is lost: a handed-over code,
# ﾏｳｽACT読込, text typed and not yet stored; the end of the session.
fesk_e2e_test(editor_ending PROGRAMS FeskINI)
# The palette's ＯＫ whatever control had the focus, a shortcut on the main
# "/", a group renamed to nothing.
fesk_e2e_test(editor_page_values PROGRAMS FeskINI)
# Hostile settings files and group tables: cycles of indentation, a level
# jump, a missing table, NUL bytes, 10,000 sections, a 1 MB line.
fesk_e2e_test(hostile_editor_files PROGRAMS FeskINI TIMEOUT 600)
# Both programs at 96, 120, 144, 168 and 192 DPI (100 to 200 %): every page and dialog
# screenshot, no control's text wider than its control.  The scaled runs set
# the display DPI in a Wine prefix of their own, on a screen large enough for
# the scaled windows.
fesk_e2e_test(display_scale TIMEOUT 400)
if(NOT WIN32 AND FESK_WIN_BUILD_DIR)
  foreach(dpi 120 144 168 192)
    add_test(NAME e2e.display_scale_${dpi}
      COMMAND ${fesk_e2e_runner} --timeout 400 ${FESK_WIN_BUILD_DIR}/tests/e2e/display_scale.exe ${dpi})
    set_tests_properties(e2e.display_scale_${dpi} PROPERTIES RESOURCE_LOCK wine
      ENVIRONMENT "FESK_WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix-dpi${dpi};FESK_ARTIFACTS=${CMAKE_BINARY_DIR}/artifacts;FESK_SCREEN=2048x1536x24")
  endforeach()
endif()

# Paths code page 932 cannot spell handed to the editor: registered by their
# short name, or refused with a box that names them.
fesk_e2e_test(editor_foreign_paths PROGRAMS FeskINI)
