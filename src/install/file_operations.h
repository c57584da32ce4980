#pragma once
// The file operations of an installation. Each returns a success flag; on failure the thread's
// last error (GetLastError) holds the reason.
#include <cstdint>

#include "install/payload_catalogue.h"

// Removes the file. A file that is not there (nor its folder) counts as removed.
bool RemoveFileIfPresent(const char* path);

// Creates the directory, one level. A directory that exists already is fine; anything else in
// its place is a failure.
bool CreateDirectoryIfMissing(const char* path);

// Writes the arrays one after another, each with a single write call, into a temporary file
// beside the path ("<path>.part"), and moves that over the path only when it is complete.
// A failed or short write, or a failed move, leaves the path as it was and removes the
// temporary file. An empty path fails at once without touching the file system.
bool WriteBytesToFile(const char* path, const ByteView* arrays, uint32_t count);
inline bool WriteBytesToFile(const char* path, ByteView bytes) { return WriteBytesToFile(path, &bytes, 1); }

// The ending that marks the temporary file of a write.
constexpr const char* PartialFileEnding = ".part";
