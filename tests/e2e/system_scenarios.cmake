# End-to-end scenarios of the programs on the desktop and of the release:
# included by tests/e2e/CMakeLists.txt.

# The tray icons come back when the task bar is created anew.
fesk_e2e_test(desktop_tray PROGRAMS Fesk)
