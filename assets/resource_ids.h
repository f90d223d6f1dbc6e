// The IDs of the resources the program carries, shared by password.rc and the code that loads them.
#pragma once

#define IDI_PASSWORD 1  // the window and program file icon, 64 x 64, 32-bit with alpha
#define IDR_BANNER 101  // the banner PNG of the picture box (RCDATA)
