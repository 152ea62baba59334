#include "base/identity.h"
