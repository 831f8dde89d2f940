// Resource ids of FeskINI.exe.
#pragma once

#define IDI_FESKINI 1
