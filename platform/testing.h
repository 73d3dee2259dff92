// What tests use to drive the platform layer on the headless backend: one header for all of it.
#pragma once

#include "platform/testing/gdi.h"
#include "platform/testing/kernel.h"
#include "platform/testing/media.h"
#include "platform/testing/print.h"
#include "platform/testing/shell.h"
#include "platform/testing/user.h"
#include "platform/win32.h"
