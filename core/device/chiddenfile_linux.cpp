#include "core/device/chiddenfile.h"

#include <QFile>
#include <linux/msdos_fs.h>
#include <sys/ioctl.h>

// A logger drive is FAT: the vfat driver exposes the DOS attribute byte
// through its own ioctls. Any other file system answers ENOTTY.
bool CHiddenFile::hide(QFile &file)
{
    const int fd = file.handle();
    if (fd < 0)
        return false;
    __u32 attributes = 0;
    if (::ioctl(fd, FAT_IOCTL_GET_ATTRIBUTES, &attributes) != 0)
        return false;
    attributes |= ATTR_HIDDEN;
    return ::ioctl(fd, FAT_IOCTL_SET_ATTRIBUTES, &attributes) == 0;
}
