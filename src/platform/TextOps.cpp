#include "platform/TextOps.h"
