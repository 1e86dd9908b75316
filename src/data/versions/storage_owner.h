#pragma once
// How a writer's temporary file and the process's versions storage know of each other. The
// storage is either one writer's temporary file (that writer closes it) or, once its writer let
// go of it, the history's own (the history closes it when it replaces it). Not exported.
#include <cstdio>

class CUniversalReadWrite;

namespace versions_detail {

// The writer closed `file`: when it is the storage, the storage is forgotten.
void TempFileClosed(FILE* file);
// The writer stopped holding `file` without closing it: when it is the storage, the history
// takes it over.
void TempFileDetached(const CUniversalReadWrite* writer, FILE* file);
// The writer is going away: the storage no longer names it as its owner.
void WriterGone(const CUniversalReadWrite* writer);

} // namespace versions_detail
