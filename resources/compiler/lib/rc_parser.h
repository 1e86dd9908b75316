#pragma once
// The statements of resource scripts: STRINGTABLE, DIALOG/DIALOGEX with their controls,
// MENU/MENUEX, ACCELERATORS, DLGINIT, TOOLBAR, and BITMAP, ICON and CURSOR files. Any other
// statement stops the compiler with its file and line: nothing is passed over unread.
#include <string>
#include <vector>

#include "rc_expr.h"
#include "rc_model.h"
#include "rc_preprocessor.h"

namespace misc_rc {

class Parser {
public:
    // `files` names the files the tokens came from (the preprocessor's list); bitmap and icon
    // files are looked for beside the file that names them, then in `includeDirs`.
    Parser(const std::vector<Token>& tokens, const Symbols& symbols, FileReader& reader,
           const std::vector<std::string>& files, const std::vector<std::string>& includeDirs);

    bool Parse(Script& out, Diagnostic& error);

    // Bitmap and icon files read, for the dependency list.
    const std::vector<std::string>& BlobFiles() const { return m_blobFiles; }
    // Notes about the script that do not stop the compiler.
    const std::vector<Diagnostic>& Warnings() const { return m_warnings; }

private:
    struct ResName {
        bool numeric = false;
        uint32_t id = 0;
        std::string symbol;
    };

    bool Fail(const Token& at, const std::string& message);
    bool Expect(const char* punct);
    bool ExpectComma() { return Expect(","); }
    bool Number(int64_t& value);
    bool Coordinate(int& value);
    bool StringToken(std::string& text);
    bool ResourceName(ResName& name);
    bool IsBegin() const;
    bool IsEnd() const;
    bool Begin();
    void SkipMemoryOptions();

    bool StringTable(Script& out);
    bool DialogResource(const ResName& name, bool extended, const Token& at, Script& out);
    bool DialogHeader(Dialog& d);
    bool ControlStatement(Dialog& d);
    bool GenericControl(Control& c);
    bool ControlText(std::string& text);
    bool MenuResource(const ResName& name, bool extended, const Token& at, Script& out);
    bool MenuItems(Menu& menu, int level);
    bool MenuOptions(uint32_t& flags);
    bool BlobResource(const ResName& name, std::vector<Blob>& list, const char* kind);
    bool AcceleratorsResource(const ResName& name, const Token& at, Script& out);
    bool AccelEntry(Accel& entry);
    bool DlgInitResource(const ResName& name, const Token& at, Script& out);
    bool RawData(std::string& bytes);
    bool ToolBarResource(const ResName& name, const Token& at, Script& out);
    bool SkipOptionalStatements();

    TokenCursor m_in;
    const Symbols& m_symbols;
    FileReader& m_reader;
    const std::vector<std::string>& m_files;
    std::vector<std::string> m_includeDirs;
    std::vector<std::string> m_blobFiles;
    std::vector<Diagnostic> m_warnings;
    Diagnostic m_error;
    bool m_failed = false;
};

} // namespace misc_rc
