#include "converter/ckConverterOwner.h"
