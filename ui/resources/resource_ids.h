#pragma once
// Identifiers of the program's resources (shared by the C++ sources and kestavel.rc).

#define IDR_MAIN_MENU 109
#define IDM_QUIT 111
