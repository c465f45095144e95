// Qt's font database (xcb and offscreen alike) hands fontconfig's current
// configuration back when the application object goes. On a start that never
// drew text, asking for that configuration is what loads it: every
// configuration file and font cache, a good part of such a start's time.
#pragma once

// Call after the event loop, when nothing draws any more: gives fontconfig an
// empty configuration, so the teardown frees it instead of loading one.
void AvoidFontLoadAtExit();
