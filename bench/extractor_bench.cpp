// Unpacks one archive with the launcher's Extractor, as the package
// extraction does, so scripts/bench can time it against bsdtar -xf.
// Usage: extractor_bench ARCHIVE TARGET_FOLDER   (status 0 on success)
#include <cstdio>

#include "extractor.h"
#include "strtab.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: %s ARCHIVE TARGET_FOLDER\n", argv[0]);
        return 2;
    }
    StrTable::InitStrTable();
    Extractor extractor;
    extractor.SetSource(argv[1]);
    extractor.SetTarget(argv[2]);
    return extractor.Extract() == 0 ? 0 : 1;
}
