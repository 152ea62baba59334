#include "core/identity.h"
