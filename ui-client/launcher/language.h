// The user's UI language: its translation catalogue from the "texts" resource
// collection, the string table, the locale numbers are written in, and the
// application font. Runs on the main thread; a missing catalogue is not an
// error, the texts then stay English.
#pragma once

class QtSingleApplication;

// Before the worker starts: catalogue, default locale, string table.
void initializeLanguage(QtSingleApplication& app);

// The desktop's font at its size. Only when that family has no glyphs for
// the language's script (a Latin-only desktop font with Thai or Japanese
// texts) does another installed family that has them take its place, at the
// same size: glyph fall-back alone may pick a font that draws the script
// badly. Called only when a window is about to be built, because reading
// the font database is most of the cost of a start that shows nothing.
void UseDesktopFont();
