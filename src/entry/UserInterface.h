// The user interface's part of the plug-in library's life: what Load starts before the frame and
// Unload ends after it. The Windows library brings its window (win32/WindowAttach.cpp); the Linux
// library, the command line and the tests run the frame without one (Headless.cpp).
#pragma once

// Makes what the windows need ready on the host's user-interface thread: COM, the window classes,
// the main window's hooks. Calling it again before DetachUserInterface changes nothing.
void AttachUserInterface();
// Undoes AttachUserInterface once no window is left: the classes, the brushes and the activation
// context go, and COM ends for the thread.
void DetachUserInterface();
