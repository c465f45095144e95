// The file type of a stat mode or of a directory listing's d_type, shared by
// the operations that stat and those that list, so both name a kind alike.
#pragma once

#include <sys/types.h>

#include "file-op.h"

// FT_ERR for a mode no type stands for.
FILE_TYPE FileTypeOfMode(mode_t mode);
// FT_ERR also for DT_UNKNOWN: some file systems leave the kind out of their
// listings, and the caller must then stat the entry.
FILE_TYPE FileTypeOfListing(unsigned char listingType);
