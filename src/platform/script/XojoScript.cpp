#include "platform/XojoScript.h"
