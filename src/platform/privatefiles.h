// Files and folders only their owner can open: a mileage log holds home and client
// addresses and a person's daily movements, so everything the program keeps of it is
// private whatever the umask says.
#pragma once

#include <QString>

namespace bw {

constexpr unsigned kPrivateFileMode = 0600;
constexpr unsigned kPrivateFolderMode = 0700;

// Makes `folder` (its missing parents as the system makes folders); the folder itself,
// when made now, gets mode 0700. Returns 0, or the errno that stopped it (EEXIST when a
// file that is no folder stands in its place).
int makePrivateFolder(const QString& folder);

// Creates `path` exclusively with mode 0600 and returns its open descriptor (read and
// write, close-on-exec), or -1 with errno set.
int createPrivateFile(const QString& path);
// Creates `path` as an empty private file, or leaves an existing one; 0 or the errno.
int touchPrivateFile(const QString& path);

// Copies `from` into a new private file `to` (which must not exist), synced; 0 or the
// errno of the failure, with nothing left at `to`.
int copyToPrivateFile(const QString& from, const QString& to);

// Takes group and other permissions off a file or folder this user owns: true when it
// is private now. A link is never followed, nor changed.
bool narrowToOwner(const QString& path);

// Why a folder could not be made or written: the system's sentence, or that a file of
// that name is in its place.
QString folderErrorSentence(int error, const QString& folder);

} // namespace bw
