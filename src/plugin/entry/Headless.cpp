// The plug-in without a window: the Linux library, the command line and the tests.
#include "plugin/entry/UserInterface.h"

void AttachUserInterface() {}

void DetachUserInterface() {}
