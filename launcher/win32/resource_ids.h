// Resource ids of Fesk.exe.
#pragma once

#define IDI_FESK 1
#define IDI_FRAME1 14
#define IDI_FRAME2 15
#define IDI_FRAME3 16
#define IDI_FRAME4 17
#define IDI_FRAME5 18
#define IDI_RUN_OPTION 19
