// Puts a copy of a file in place so that the destination is, at every moment,
// either what it was before or the whole copy on disk, never a part of one.
#pragma once

enum class ExistingFile { Replace, Keep };

// Copies `source` to `folder`\`name` through a temporary file in that folder:
// the copy is flushed to disk and its size checked against the source before
// one rename puts it in place. The result keeps the source's last-write time
// and attributes. With ExistingFile::Keep an existing destination makes the
// rename fail. On any failure the temporary file is removed and the
// destination is left exactly as it was.
bool CopyFileSafely(const char* source, const char* folder, const char* name,
                    ExistingFile existing);
