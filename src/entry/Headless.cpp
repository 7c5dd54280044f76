// The plug-in without a window: the Linux library, the command line and the tests.
#include "entry/UserInterface.h"

void AttachUserInterface() {}

void DetachUserInterface() {}
