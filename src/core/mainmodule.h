// The shared procedures of the windows ("Main" module) and the program's fixed names.
#pragma once

#include <QString>

namespace bw {

inline constexpr char kProductName[] = "Brindlewick";
inline constexpr int kTitleLimit = 40;
inline constexpr char kHomePage[] = "https://www.brindlewick.example/";
// The optional look files below the program's folder.
inline constexpr char kSkinFile[] = "x/o.cjs";
inline constexpr char kHandCursorFile[] = "HAND-M.CUR";

// Shared procedures of the windows ("Main" module). None of them keeps state except
// the application title.

// True when the path names an existing file or folder; never fails.
bool FileExists(const QString& path);
// Lets pending window events run, then deletes the file, forcing a read-only one.
// Never reports anything.
void DeleteFileQuietly(const QString& path);
// Clears the read-only bit, then deletes. Never reports anything.
void DeleteFileForced(const QString& path);

// The product name shortened by whole words to at most `limit` characters. A name with
// no blank to cut at is cut hard at the limit.
QString shortenTitle(const QString& name, int limit = kTitleLimit);
void SetApplicationTitle();
// The title every message box without a title of its own shows.
QString applicationTitle();

// About one start in a hundred opens the maker's home page.
void OpenHomePageAtRandom();

// Full path of one of the program's optional files: beside the executable, or else where
// an installed program keeps its data (share/brindlewick beside the bin folder). A file
// found in neither place is named beside the executable.
QString programFile(const QString& relative);

} // namespace bw
