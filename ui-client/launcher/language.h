// The user's UI language: its translation catalogue from the "texts" resource
// collection, the string table, and the application font. Runs once on the
// main thread, before any window is built; a missing catalogue is not an
// error, the texts then stay English.
#pragma once

class QtSingleApplication;

void initializeLanguage(QtSingleApplication& app);
