#pragma once

#include <string>

// Replaces the file at `path` with `bytes` so that a reader sees either the
// old file or the whole new one: the bytes go to a fresh file beside it, are
// flushed to the disk and then renamed over it. The file keeps its
// permissions (a new one gets the usual ones), and a link is followed to the
// file it names. On failure the file is untouched, the temporary file is
// gone, and `error` says why.
bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string& error);

// The file exists and nobody may write it by its mode (chmod 444): saving
// over it would replace it all the same, so callers ask first.
bool IsReadOnlyFile(const std::string& path);
