// MiscScriptedUser: the modal windows a test expects, in order, each with what to do.
#include "win32/script.h"

#include "win32/msgbox.h"

#include <deque>

struct MiscScriptedUser::State {
    struct Expectation {
        explicit Expectation(MiscModalKind k) : kind(k) {}
        MiscModalKind kind;
        UINT templateId = 0;
        bool byCaption = false;
        std::string caption;
        std::string textPart;
        int button = IDOK;
        std::string path;
        Action action;
        // The general form (Expect): a kind by name and a matcher.
        bool general = false;
        std::string kindName;
        Matcher matcher;
        std::string description;
        std::string Describe() const
        {
            MiscModal m;
            if (general) {
                m.kind = kind;
                std::string out = kindName.empty() ? m.KindName() : kindName;
                if (!description.empty())
                    out += " (" + description + ")";
                if (!kindName.empty() && !MiscIsModalKind(kindName))
                    out += " [unknown kind]";
                return out;
            }
            m.kind = kind;
            m.templateId = templateId;
            m.caption = byCaption ? caption : std::string();
            m.text = textPart;
            return m.Describe();
        }
    };
    std::deque<Expectation> pending;
    std::vector<std::string> unexpected;
    std::vector<std::string> seen;
    MiscModalHandler previousModal;
    MiscMessageBoxHandler previousBox;

    static bool Matches(const Expectation& e, const MiscModal& m)
    {
        if (e.general) {
            bool kindOk = e.kindName.empty() ? e.kind == m.kind : e.kindName == m.KindName();
            return kindOk && (!e.matcher || e.matcher(m));
        }
        if (e.kind != m.kind)
            return false;
        if (e.kind == MiscModalKind::Dialog)
            return e.byCaption ? e.caption == m.caption : e.templateId == m.templateId;
        if (e.kind == MiscModalKind::MessageBox)
            return m.text.find(e.textPart) != std::string::npos;
        return true;
    }

    // Checks the window off against the next expectation; the expectation when it matched.
    bool Take(const MiscModal& m, Expectation& out)
    {
        seen.push_back(m.Describe());
        if (pending.empty() || !Matches(pending.front(), m)) {
            unexpected.push_back(m.Describe() + (pending.empty() ? "" : " (expected " + pending.front().Describe() + ")"));
            return false;
        }
        out = std::move(pending.front());
        pending.pop_front();
        return true;
    }

    void OnModal(MiscModal& m)
    {
        Expectation e(m.kind);
        if (!Take(m, e))
            return;
        if (e.general || e.kind == MiscModalKind::Dialog) {
            if (e.action)
                e.action(m);
            return;
        }
        if (e.kind == MiscModalKind::MessageBox) {
            if (m.hwnd)
                MiscClickButton(m.hwnd, e.button);
            return;
        }
        m.answer = e.path;
        m.answered = !e.path.empty();
    }

    int OnMessageBox(const MiscMessageBoxRequest& request)
    {
        MiscModal m;
        m.kind = MiscModalKind::MessageBox;
        m.hwnd = MiscActiveModal(); // the box's window while the window system shows it
        m.caption = request.caption;
        m.text = request.text;
        m.type = request.type;
        Expectation e(m.kind);
        if (!Take(m, e))
            return MiscMessageBoxDefaultButton(request.type);
        if (!e.general)
            return e.button;
        if (e.action)
            e.action(m);
        return MiscMessageBoxDefaultButton(request.type);
    }
};

MiscScriptedUser::MiscScriptedUser() : m_state(std::make_shared<State>())
{
    std::weak_ptr<State> weak = m_state;
    m_state->previousModal = MiscSetModalHandler([weak](MiscModal& m) {
        if (auto s = weak.lock())
            s->OnModal(m);
    });
    m_state->previousBox = MiscSetMessageBoxHandler([weak](const MiscMessageBoxRequest& r) {
        auto s = weak.lock();
        return s ? s->OnMessageBox(r) : MiscMessageBoxDefaultButton(r.type);
    });
}

MiscScriptedUser::~MiscScriptedUser()
{
    MiscSetModalHandler(m_state->previousModal);
    MiscSetMessageBoxHandler(m_state->previousBox);
}

MiscScriptedUser& MiscScriptedUser::ExpectDialog(UINT templateId, Action action)
{
    State::Expectation e(MiscModalKind::Dialog);
    e.templateId = templateId;
    e.action = std::move(action);
    m_state->pending.push_back(std::move(e));
    return *this;
}

MiscScriptedUser& MiscScriptedUser::ExpectDialogCaption(const std::string& caption, Action action)
{
    State::Expectation e(MiscModalKind::Dialog);
    e.byCaption = true;
    e.caption = caption;
    e.action = std::move(action);
    m_state->pending.push_back(std::move(e));
    return *this;
}

MiscScriptedUser& MiscScriptedUser::ExpectMessageBox(int button, const std::string& textPart)
{
    State::Expectation e(MiscModalKind::MessageBox);
    e.button = button;
    e.textPart = textPart;
    m_state->pending.push_back(std::move(e));
    return *this;
}

MiscScriptedUser& MiscScriptedUser::ExpectFileOpen(const std::string& path)
{
    State::Expectation e(MiscModalKind::FileOpen);
    e.path = path;
    m_state->pending.push_back(std::move(e));
    return *this;
}

MiscScriptedUser& MiscScriptedUser::ExpectFileSave(const std::string& path)
{
    State::Expectation e(MiscModalKind::FileSave);
    e.path = path;
    m_state->pending.push_back(std::move(e));
    return *this;
}

MiscScriptedUser& MiscScriptedUser::ExpectFolder(const std::string& path)
{
    State::Expectation e(MiscModalKind::Folder);
    e.path = path;
    m_state->pending.push_back(std::move(e));
    return *this;
}

std::vector<std::string> MiscScriptedUser::Pending() const
{
    std::vector<std::string> out;
    for (const auto& e : m_state->pending)
        out.push_back(e.Describe());
    return out;
}

MiscScriptedUser& MiscScriptedUser::Expect(MiscModalKind kind, Matcher matcher, Action action, const std::string& description)
{
    State::Expectation e(kind);
    e.general = true;
    e.matcher = std::move(matcher);
    e.action = std::move(action);
    e.description = description;
    m_state->pending.push_back(std::move(e));
    return *this;
}

MiscScriptedUser& MiscScriptedUser::Expect(const std::string& kindName, Matcher matcher, Action action,
                                           const std::string& description)
{
    State::Expectation e(MiscModalKind::Other);
    e.general = true;
    e.kindName = kindName;
    e.matcher = std::move(matcher);
    e.action = std::move(action);
    e.description = description;
    m_state->pending.push_back(std::move(e));
    return *this;
}

std::string MiscScriptedUser::Report() const
{
    std::string out;
    for (const std::string& p : Pending())
        out += "never came: " + p + "\n";
    for (const std::string& u : m_state->unexpected)
        out += "unexpected: " + u + "\n";
    return out;
}

std::vector<std::string> MiscScriptedUser::Unexpected() const { return m_state->unexpected; }
std::vector<std::string> MiscScriptedUser::Seen() const { return m_state->seen; }
