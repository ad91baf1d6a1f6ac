#pragma once

namespace oru {

// The panels keep what they learn of the files they read, for the whole process: a picture's
// header check and a parsed thread table while the file keeps its place, size and times; the
// listing of a folder, and a lookup that found no file or found one only by ignoring letter case,
// while the folder keeps its place and times. A look at an unchanged file then costs one status
// query of the file (or of its folder) and no read.
//
// Forgets all of it: the next look at every file and folder reads it again. A host calls it
// after it changed files in a way their times may not show: on a file system that keeps only
// a modification time (no status-change time, no file number), when a file is replaced by one
// of the same size with its modification time set back, or when the clock of a file server
// runs behind. Safe from any thread.
void ForgetCachedFiles();

}  // namespace oru
