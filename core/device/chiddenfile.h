#ifndef CHIDDENFILE_H
#define CHIDDENFILE_H

class QFile;

// Marks a file the application writes onto a logger drive as hidden, as the
// logger's own files are. One realisation per platform (chiddenfile_linux.cpp).
namespace CHiddenFile {

// Sets the hidden attribute of an open file. On a file system without such
// an attribute nothing happens and the result is false; callers go on.
bool hide(QFile &file);

} // namespace CHiddenFile

#endif // CHIDDENFILE_H
