#include "font-teardown.h"

#include <fontconfig/fontconfig.h>

void AvoidFontLoadAtExit()
{
    FcConfig* empty = FcConfigCreate();
    if (empty == nullptr) {
        return;
    }
    // The current configuration holds its own reference from here on.
    FcConfigSetCurrent(empty);
    FcConfigDestroy(empty);
}
