#pragma once
// The resource module misc_res ("misc_res.dll"): the library's string tables, dialog templates,
// menus, bitmaps and icons. Loading the module registers them under that name.

// The resource module's initialisation, called by InitMiscDLL. It has nothing to prepare beyond
// what loading did; it counts its calls.
void InitMiscResDLL();

// How many times InitMiscResDLL has run in this process.
int MiscResInitCount();
