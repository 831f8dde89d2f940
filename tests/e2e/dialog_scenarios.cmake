# End-to-end scenarios of the launcher's settings dialog and popup, and of
# F1 help in both programs: included by tests/e2e/CMakeLists.txt, one
# fesk_e2e_test line per scenario.

# The pages in pictures; a check box through live change, OK and Cancel.
fesk_e2e_test(dialog_settings PROGRAMS Fesk)
# The trail popup in pictures and colours, how it ends; a drop on the dialog.
fesk_e2e_test(dialog_trail_drop PROGRAMS Fesk)
