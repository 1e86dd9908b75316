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
        std::string Describe() const
        {
            MiscModal m;
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

    bool Matches(const Expectation& e, const MiscModal& m) const
    {
        if (e.kind != m.kind)
            return false;
        if (e.kind == MiscModalKind::Dialog)
            return e.byCaption ? e.caption == m.caption : e.templateId == m.templateId;
        if (e.kind == MiscModalKind::MessageBox)
            return m.text.find(e.textPart) != std::string::npos;
        return true;
    }

    void OnModal(MiscModal& m)
    {
        seen.push_back(m.Describe());
        if (pending.empty() || !Matches(pending.front(), m)) {
            unexpected.push_back(m.Describe() + (pending.empty() ? "" : " (expected " + pending.front().Describe() + ")"));
            return;
        }
        Expectation e = pending.front();
        pending.pop_front();
        switch (e.kind) {
        case MiscModalKind::Dialog:
            if (e.action)
                e.action(m);
            break;
        case MiscModalKind::MessageBox:
            if (m.hwnd)
                MiscClickButton(m.hwnd, e.button);
            break;
        default:
            m.answer = e.path;
            m.answered = !e.path.empty();
            break;
        }
    }

    int OnMessageBox(const MiscMessageBoxRequest& request)
    {
        MiscModal m;
        m.kind = MiscModalKind::MessageBox;
        m.caption = request.caption;
        m.text = request.text;
        m.type = request.type;
        seen.push_back(m.Describe());
        if (pending.empty() || !Matches(pending.front(), m)) {
            unexpected.push_back(m.Describe() + (pending.empty() ? "" : " (expected " + pending.front().Describe() + ")"));
            return MiscMessageBoxDefaultButton(request.type);
        }
        int button = pending.front().button;
        pending.pop_front();
        return button;
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

std::vector<std::string> MiscScriptedUser::Unexpected() const { return m_state->unexpected; }
std::vector<std::string> MiscScriptedUser::Seen() const { return m_state->seen; }
