#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

#include "tests/window/program_launch.h"

// The program started by a test, driven and read from the test's process.

// Another process's control text: GetWindowText would not ask the control itself.
std::string ControlText(HWND control);

// The program's NameField once it shows `name`, or what it shows after five seconds.
std::string WaitForName(HWND programWindow, const std::string& name);

// The control of the program that has the keyboard's focus.
HWND FocusOf(const LaunchedProgram& program);

// Makes the program's window the one in front, as a click on it does, once the program has
// taken that in.
void BringToFront(const LaunchedProgram& program);

// Presses and releases the keys, together, as the keyboard sends them to the window in front.
void PressKeys(std::initializer_list<WORD> keys);

// The text of the message box the program shows next, which is then closed with its button;
// empty when none is shown within five seconds.
std::string TakeMessageBox(const LaunchedProgram& program);
