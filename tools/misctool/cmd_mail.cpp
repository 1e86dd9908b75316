// misctool mail send: send files by e-mail through the library's e-mail support.
#include <misc/misc.h>

#include <win32/display.h>
#include <win32/mailserver.h>

#include <ostream>
#include <string>
#include <vector>

#include "commands.h"

namespace misctool {

namespace {

std::ostream* g_err = nullptr;

// The compose dialog on the display; says on stderr that it waits for the person.
bool ComposeOnDisplay(CEmailComposeData& data)
{
    if (g_err)
        *g_err << "misctool mail: the compose dialog is open on the display" << std::endl;
    return MiscRunEmailDialog(data);
}

int RunMail(Context& ctx, const std::vector<std::string>& args)
{
    if (args.empty() || args[0] != "send")
        return BadUsage(ctx, "give send");
    std::vector<std::string> to, attach;
    std::string subject, text;
    bool dialog = false;
    // --to and --attach may be given more than once, so the words are read here.
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--dialog") {
            dialog = true;
            continue;
        }
        if (a != "--to" && a != "--attach" && a != "--subject" && a != "--text")
            return BadUsage(ctx, "unknown argument " + a);
        if (i + 1 >= args.size())
            return BadUsage(ctx, a + " needs a value");
        const std::string& value = args[++i];
        if (a == "--to")
            to.push_back(value);
        else if (a == "--attach")
            attach.push_back(value);
        else if (a == "--subject")
            subject = value;
        else
            text = value;
    }
    if (to.empty() && !dialog)
        return BadUsage(ctx, "give at least one --to ADDR");
    // The compose dialog waits for a person: it needs the display.
    if (dialog && !MiscDisplayActive())
        return Fail(ctx, "the compose dialog needs a display: set MISC_DISPLAY=sdl");
    if (!KestProfile::m_initialized)
        KestProfile::m_name = "misc.ini";
    g_err = &ctx.err;
    if (dialog)
        SetEmailComposeDialog(&ComposeOnDisplay);
    MiscClearMessageBoxLog();
    const std::string before = MiscMailLastDelivery();
    CEmailSupportApi mail;
    mail.NewMessage(0);
    for (const std::string& r : to)
        mail.AddRecipient(r.c_str());
    for (const std::string& f : attach)
        mail.AddAttachment(f.c_str(), 0);
    mail.SetSubject(subject.c_str());
    mail.SetMessageText(text.c_str());
    // With the dialog the person may pick every recipient there; the message counts as having one.
    if (dialog)
        mail.m_hasRecipient = 1;
    mail.Send(dialog ? 1 : 0);
    for (const MiscMessageBoxRequest& box : MiscMessageBoxLog())
        ctx.err << "misctool mail: " << box.text << "\n";
    const std::string where = MiscMailLastDelivery();
    if (dialog && (where.empty() || where == before) && MiscMessageBoxLog().empty()) {
        ctx.err << "misctool mail: the compose dialog was cancelled; nothing was sent\n";
        return kExitFailure;
    }
    if (where.empty() || where == before || !MiscMessageBoxLog().empty())
        return kExitFailure;
    ctx.out << where << "\n";
    return kExitOk;
}

} // namespace

const Command& MailCommand()
{
    static const Command command{
        "mail", "Send files by e-mail",
        "send --to ADDR [--to ADDR...] [--subject S] [--text T] [--attach FILE...] [--dialog]",
        "Sends a message by SMTP when $MISC_SMTP_URL is set (with $MISC_SMTP_USER,\n"
        "$MISC_SMTP_PASSWORD, $MISC_MAIL_FROM), else writes it as an .eml file into\n"
        "$MISC_MAIL_OUTBOX (default: mail-outbox in the per-user data folder), and prints where\n"
        "it went. The message is recorded in the mail log. An attachment that cannot be read is\n"
        "left out, as the library does. With --dialog the compose dialog opens on the display\n"
        "(MISC_DISPLAY=sdl) with what the other options gave; the person picks recipients and\n"
        "files there, and Cancel sends nothing (exit status 1).",
        &RunMail};
    return command;
}

} // namespace misctool
