#pragma once

// The path conversions live in the dependency-free base library, so that
// config/ and store/ can use them without the OS services of platform/.
#include "platform/base/PathText.h"
