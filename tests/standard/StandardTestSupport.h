#pragma once
// What the tests of the standard dialogs share: files made for them and the
// box shown through the scripted platform.

#include "tests/support/FakePlatform.h"
#include "tests/support/TestFiles.h"
#include "tests/support/WhileShown.h"
