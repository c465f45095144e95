#include "file-type.h"

#include <dirent.h>
#include <sys/stat.h>

FILE_TYPE FileTypeOfMode(mode_t mode)
{
    switch (mode & S_IFMT) {
    case S_IFREG:
        return FT_FILE;
    case S_IFDIR:
        return FT_DIR;
    case S_IFCHR:
    case S_IFBLK:
        return FT_DEV;
    case S_IFLNK:
        return FT_SLINK;
    case S_IFIFO:
        return FT_FIFO;
    case S_IFSOCK:
        return FT_SOCK;
    default:
        return FT_ERR;
    }
}

FILE_TYPE FileTypeOfListing(unsigned char listingType)
{
    switch (listingType) {
    case DT_REG:
        return FT_FILE;
    case DT_DIR:
        return FT_DIR;
    case DT_LNK:
        return FT_SLINK;
    case DT_CHR:
    case DT_BLK:
        return FT_DEV;
    case DT_FIFO:
        return FT_FIFO;
    case DT_SOCK:
        return FT_SOCK;
    default:
        return FT_ERR;
    }
}
