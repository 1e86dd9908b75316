#pragma once
// Materials: named fabrics with a pattern picture, the size and offset at which the picture is
// laid, a weight and a cost; their array with the unnamed entry 0; and the fabric pattern
// profile file (".fpf"), a text file of blocks:
//
//   Block
//   Material <name>
//   File <picture path>
//   Size <x> <y>
//   Offset <x> <y>
//   Weight <value> <text>
//   Cost <value> <text>
//   EndBlock
//   ...
//   End
//
// Keywords match without regard to case; within a block the lines after "Material" come in any
// order and may be missing. Lines written on Windows (CR LF) read the same as LF lines.
#include <afx.h>
#include <afxtempl.h>

#include <cstdio>

#include "misc/geometry/winimage.h"

// File filter of the fabric pattern profile files.
#define MATERIAL_FILE_EXT "fpf"
#define MATERIAL_FILE_FILTER "Fabric Pattern Profile(*.fpf)|*.fpf|"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// Results of CMaterialArray::LoadMaterial.
enum {
    MATERIAL_LOAD_OK = 0,
    MATERIAL_LOAD_NOT_FOUND = 1, // not found, not valid, or did not open
    MATERIAL_LOAD_NO_END = 2,    // the file ended (or a line was too long) before "End"
    MATERIAL_LOAD_BAD_BLOCK = 3, // a malformed block, or a picture missing while one is required
    MATERIAL_LOAD_BAD_LINE = 4,  // a line other than "Block" or "End" between blocks
};

class CMaterialBlock : public CObject {
public:
    CMaterialBlock();
    CMaterialBlock(const CMaterialBlock& other);
    CMaterialBlock(CMaterialBlock&& other) noexcept; // takes the other's picture
    CMaterialBlock& operator=(const CMaterialBlock& other);
    CMaterialBlock& operator=(CMaterialBlock&& other) noexcept;
    ~CMaterialBlock() override;

    // Deletes the picture and empties the file; empties the name unless keepName; sets size,
    // offset, cost and weight to 0 and both texts to empty.
    void Clear(int keepName);

    CString m_name;           // the key of every lookup; may be empty (entry 0)
    CWinImageFile* m_pImage;  // owned; null when no picture is loaded
    double m_sizeX, m_sizeY;  // pattern size
    double m_offsetX, m_offsetY;
    char m_file[MAX_PATH];    // picture path, empty when none
    CString m_weightText;     // free text after the weight value (a unit, say)
    CString m_costText;       // free text after the cost value
    double m_cost;
    double m_weight;
};

// The materials; entry 0, the unnamed entry, is always there.
class CMaterialArray : public CArray<CMaterialBlock, CMaterialBlock> {
public:
    // Holds entry 0 only: no picture, empty name and file, size 1 by 1, offset 0, weight 1,
    // cost 0.
    CMaterialArray();

    // Removes every record from index 1 on and clears entry 0 (name included).
    void Clear();
    // Sorts records 1 to the end by name (case-insensitive, locale-aware), ascending for
    // descending 0 and descending for 1; records of equal names keep their order.
    void Sort(int descending);
    // Index of the record named name (case-insensitive); else of the first record, in index
    // order, named by one of the tokens of name (separated by , ; : tab CR LF; "0" is no token);
    // else -1.
    int find_material(const char* name);
    // Reads a fabric pattern profile file (see MATERIAL_LOAD_*). fileName (at least MAX_PATH
    // characters) is resolved with VerifyAndFindFile and receives the path read. mode 0
    // replaces the array's contents, a positive mode merges overwriting records of the same
    // name, a negative one merges keeping those that already have a picture file. With
    // requireImage a block whose picture does not load fails the file.
    int LoadMaterial(char* fileName, const char* altPath, int requireImage, int mode);

private:
    class NameIndex;
    int read_mat_block(FILE* file, const char* profilePath, int requireImage, int keep,
                       NameIndex& index);
};

// Reads one line of a keyword file into line (size characters with the NUL; a CR before the
// newline is dropped) and splits it at spaces: key is the first word (NUL-terminated), rest
// runs from the second word to the end of the line, third from the third word. Returns 1 when
// the line ended with a newline within the buffer, 0 at the end of the file or for a line too
// long for the buffer (the words are split all the same).
int ReadKeywordLine(FILE* file, char* line, int size, char** key, char** rest, char** third);

// One block of a fabric pattern profile file, as text.
CString FormatMaterialBlock(const CMaterialBlock& record);
// Writes one block to a text file.
void WriteMaterialBlock(const CMaterialBlock& record, FILE* file);
// Writes the whole file: every record in index order (entry 0 included), then "End". The file
// is replaced as a whole. Returns TRUE when it was written.
BOOL WriteMaterialFile(const CMaterialArray& materials, const char* path);
// Adds the names of the records, in index order, to the front of the stored list of material
// names (type 110), as the material dialogs do after saving.
void RememberMaterialNames(const CMaterialArray& materials);

// Resolves a file name in place (path: a buffer of MAX_PATH characters): a default extension
// is added to a name without one; a path that does not exist is looked for under the same name
// in the folder of altPath; with allowCreate a path where a file could be created counts as
// found. Returns 1 when found; otherwise empties path and returns 0. Paths written on Windows
// ('\' separators, drive letters) are understood.
int VerifyAndFindFile(char* path, const char* defaultExt, const char* altPath, int allowCreate);

// The last used fabric pattern profile path, section "MaterialPatterns", key
// "MaterialPatternsFile" of the user profile file, resolved (or emptied) and written back.
// buffer holds MAX_PATH characters; null uses an internal buffer. 0 when nothing was read.
int ReadFabricPatternFileName(char* buffer, const char* altPath);
void SetFabricPatternFileName(const char* path);

MISC_PUBLIC_END
