#pragma once
// The e-mail compose dialog. CEmailSupportApi (misc/services/emailsupport.h) runs it from its send
// sequence when asked to show the dialog: the person picks recipients (a history combo box of
// list type 200 that remembers the addresses used), edits subject and text, adds files through
// the file chooser and removes them again, and decides whether the document's own file goes with
// the message. OK hands the edited message back; Cancel sends nothing.
//
// The services part stands below the dialogs, so the e-mail support reaches this dialog through
// the hook SetEmailComposeDialog. A host registers it once, after InitMiscDLL, with
// MiscRegisterEmailDialog(); without it the dialog sequence ends as if cancelled.
#include <afxwin.h>

#include "misc/datadlg/vmxcombo.h"
#include "misc/services/emailsupport.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// Dialog template, controls and bitmaps of the compose dialog (resource module).
#define IDD_MISC_EMAIL 468
#define IDC_MISC_EMAIL_RECIPIENT 1459       // history combo box, list type 200
#define IDC_MISC_EMAIL_SUBJECT 1460
#define IDC_MISC_EMAIL_TEXT 1461
#define IDC_MISC_EMAIL_ADD_FILE 1462
#define IDC_MISC_EMAIL_SINGLE_FILE 1463
#define IDC_MISC_EMAIL_ADD_RECIPIENT 1464   // "Add>>", a picture button
#define IDC_MISC_EMAIL_CLEAR_RECIPIENTS 1466 // a picture button
#define IDC_MISC_EMAIL_FILES 1468
#define IDC_MISC_EMAIL_RECIPIENTS 1469
#define IDC_MISC_EMAIL_REMOVE_FILES 1470
#define IDB_MISC_EMAIL_ADD 810
#define IDB_MISC_EMAIL_ADD_FOCUS 811
#define IDB_MISC_EMAIL_ADD_DOWN 812
#define IDB_MISC_EMAIL_CLEAR 820
#define IDB_MISC_EMAIL_CLEAR_FOCUS 821
#define IDB_MISC_EMAIL_CLEAR_DOWN 822
// The list type of the remembered recipients (misc/data/combolist.h).
#define MISC_EMAIL_RECIPIENT_LIST 200

// The file chooser of "Add file": its title, filter and name buffer.
#define MISC_EMAIL_ADD_FILE_TITLE "Add file"
#define MISC_EMAIL_ADD_FILE_FILTER                                                                            \
    "Marker files (*.mrk, *.dsp)|*.mrk;*.dsp|PDS files (*.pds, *.dsn)|*.pds;*.dsn|Kestrel files (*.mrk, "     \
    "*.pds, *.dsp, *.dsn)|*.mrk;*.pds;*.dsp;*.dsn|All files|*.*||"
#define MISC_EMAIL_FILE_BUFFER 2048
// OK with no recipient.
#define MISC_EMAIL_NO_RECIPIENT "No recipient yet, or press the Add>> button."

class CEmailDialog : public CDialog {
public:
    explicit CEmailDialog(CWnd* parent = nullptr);
    ~CEmailDialog() override;
    CEmailDialog(const CEmailDialog&) = delete;
    CEmailDialog& operator=(const CEmailDialog&) = delete;

    // What the dialog starts from (before DoModal) and, after OK, what the person made of it.
    void SetComposeData(const CEmailComposeData& data);
    void GetComposeData(CEmailComposeData& data) const;

    BOOL OnInitDialog() override;
    void OnOK() override;

    CStringArray m_recipients;    // given: the message's recipients so far, shown
    CStringArray m_newRecipients; // picked here with Add>>
    CString m_subject;
    CString m_text;
    CStringArray m_names;         // display names; a file added here ends in a line feed
    CStringArray m_paths;
    int m_attachedCount = 0;      // files already attached to the message: not removable
    int m_singleFile = 0;         // the message was opened for one file: the check box is offered
    CString m_singleName, m_singlePath;
    int m_includeSingle = 0;

    CVmxCombo m_recipient;
    CBitmapButton m_addButton;
    CBitmapButton m_clearButton;

protected:
    afx_msg void OnAddRecipient();
    afx_msg void OnClearRecipients();
    afx_msg void OnAddFile();
    afx_msg void OnRemoveFiles();
    afx_msg void OnSingleFile();
    DECLARE_MESSAGE_MAP()

private:
    void ShowRecipients();
    void ShowFiles();
    // Puts the single file into the lists once, or takes it out.
    void IncludeSingle(bool include);
    int FindSingle() const;
    bool SingleOffered() const;

    CResourceSaver m_resource; // the resource handle current before, restored on destruction
};

// Runs the compose dialog on `data` (no parent); true, with `data` updated, when the person
// pressed OK. This is the hook that MiscRegisterEmailDialog installs.
bool MiscRunEmailDialog(CEmailComposeData& data);
// Makes CEmailSupportApi run CEmailDialog for its dialog sends. Calling it again does no harm.
void MiscRegisterEmailDialog();

MISC_PUBLIC_END
