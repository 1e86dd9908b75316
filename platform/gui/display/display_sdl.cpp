// The SDL backend: one desktop window with a streaming texture the size of the virtual desktop,
// and SDL's events turned into the display layer's input events.
#include "display/displaysys.h"

#include "win32/user.h"

#if MISC_HAVE_SDL2

#include <SDL.h>

namespace miscdisplay {

namespace {

// SDL's key codes to virtual keys; 0 for keys Windows programs would not see.
int VirtualKey(SDL_Keycode key)
{
    if (key >= SDLK_a && key <= SDLK_z)
        return 'A' + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9)
        return '0' + (key - SDLK_0);
    if (key >= SDLK_F1 && key <= SDLK_F12)
        return VK_F1 + (key - SDLK_F1);
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9)
        return VK_NUMPAD1 + (key - SDLK_KP_1);
    switch (key) {
    case SDLK_RETURN: case SDLK_KP_ENTER: return VK_RETURN;
    case SDLK_ESCAPE: return VK_ESCAPE;
    case SDLK_BACKSPACE: return VK_BACK;
    case SDLK_TAB: return VK_TAB;
    case SDLK_SPACE: return VK_SPACE;
    case SDLK_DELETE: return VK_DELETE;
    case SDLK_INSERT: return VK_INSERT;
    case SDLK_HOME: return VK_HOME;
    case SDLK_END: return VK_END;
    case SDLK_PAGEUP: return VK_PRIOR;
    case SDLK_PAGEDOWN: return VK_NEXT;
    case SDLK_LEFT: return VK_LEFT;
    case SDLK_RIGHT: return VK_RIGHT;
    case SDLK_UP: return VK_UP;
    case SDLK_DOWN: return VK_DOWN;
    case SDLK_LSHIFT: return VK_LSHIFT;
    case SDLK_RSHIFT: return VK_RSHIFT;
    case SDLK_LCTRL: return VK_LCONTROL;
    case SDLK_RCTRL: return VK_RCONTROL;
    case SDLK_LALT: return VK_LMENU;
    case SDLK_RALT: return VK_RMENU;
    case SDLK_CAPSLOCK: return VK_CAPITAL;
    case SDLK_KP_0: return VK_NUMPAD0;
    case SDLK_KP_PLUS: return VK_ADD;
    case SDLK_KP_MINUS: return VK_SUBTRACT;
    case SDLK_KP_MULTIPLY: return VK_MULTIPLY;
    case SDLK_KP_DIVIDE: return VK_DIVIDE;
    case SDLK_KP_PERIOD: return VK_DECIMAL;
    case SDLK_SEMICOLON: return VK_OEM_1;
    case SDLK_EQUALS: return VK_OEM_PLUS;
    case SDLK_COMMA: return VK_OEM_COMMA;
    case SDLK_MINUS: return VK_OEM_MINUS;
    case SDLK_PERIOD: return VK_OEM_PERIOD;
    case SDLK_SLASH: return VK_OEM_2;
    case SDLK_BACKQUOTE: return VK_OEM_3;
    case SDLK_LEFTBRACKET: return VK_OEM_4;
    case SDLK_BACKSLASH: return VK_OEM_5;
    case SDLK_RIGHTBRACKET: return VK_OEM_6;
    case SDLK_QUOTE: return VK_OEM_7;
    default: return 0;
    }
}

// Keys whose characters the desktop composes and sends as text input.
bool MakesText(SDL_Keycode key)
{
    return (key >= 32 && key < 127) || (key >= SDLK_KP_DIVIDE && key <= SDLK_KP_PERIOD && key != SDLK_KP_ENTER);
}

class SdlBackend : public Backend {
public:
    ~SdlBackend() override
    {
        if (m_texture)
            SDL_DestroyTexture(m_texture);
        if (m_renderer)
            SDL_DestroyRenderer(m_renderer);
        if (m_window)
            SDL_DestroyWindow(m_window);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }

    bool Open(int width, int height, std::string& error) override
    {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
            error = std::string("cannot start SDL video: ") + SDL_GetError();
            return false;
        }
        // At the desktop's origin, so that a point of the virtual desktop is the same point of
        // the screen (a person's window manager may place it elsewhere; input is mapped anyway).
        m_window = SDL_CreateWindow("misc", 0, 0, width, height, SDL_WINDOW_SHOWN);
        if (m_window)
            m_renderer = SDL_CreateRenderer(m_window, -1, SDL_RENDERER_SOFTWARE);
        if (m_renderer)
            m_texture = SDL_CreateTexture(m_renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, width, height);
        if (!m_texture) {
            error = std::string("cannot open the desktop window: ") + SDL_GetError();
            return false;
        }
        SDL_StartTextInput();
        return true;
    }

    void Present(const MiscSurface& frame, const RECT* rects, int count) override
    {
        for (int i = 0; i < count; ++i) {
            const RECT& r = rects[i];
            SDL_Rect area{r.left, r.top, r.right - r.left, r.bottom - r.top};
            const uint32_t* first = frame.row(r.top) + r.left;
            SDL_UpdateTexture(m_texture, &area, first, frame.width * static_cast<int>(sizeof(uint32_t)));
        }
        SDL_RenderCopy(m_renderer, m_texture, nullptr, nullptr);
        SDL_RenderPresent(m_renderer);
    }

    bool Wait(int timeoutMs, InputEvent& out) override
    {
        SDL_Event e;
        while (SDL_WaitEventTimeout(&e, timeoutMs)) {
            if (Translate(e, out))
                return true;
            timeoutMs = 0; // events that mean nothing here: look once more, then report none
        }
        return false;
    }

    unsigned Ticks() override { return SDL_GetTicks(); }

    std::string ClipboardText() override
    {
        char* text = SDL_GetClipboardText();
        std::string result = text ? text : "";
        SDL_free(text);
        return result;
    }

    void SetClipboardText(const std::string& text) override { SDL_SetClipboardText(text.c_str()); }

private:
    bool Translate(const SDL_Event& e, InputEvent& out)
    {
        out = InputEvent{};
        out.ticks = e.common.timestamp;
        switch (e.type) {
        case SDL_QUIT: out.kind = InputEvent::Kind::Quit; return true;
        case SDL_WINDOWEVENT:
            if (e.window.event == SDL_WINDOWEVENT_CLOSE) {
                out.kind = InputEvent::Kind::Quit;
                return true;
            }
            if (e.window.event == SDL_WINDOWEVENT_EXPOSED) {
                out.kind = InputEvent::Kind::Exposed;
                return true;
            }
            return false;
        case SDL_MOUSEMOTION:
            out.kind = InputEvent::Kind::MouseMove;
            out.x = e.motion.x;
            out.y = e.motion.y;
            return true;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            out.kind = e.type == SDL_MOUSEBUTTONDOWN ? InputEvent::Kind::MouseDown : InputEvent::Kind::MouseUp;
            out.x = e.button.x;
            out.y = e.button.y;
            out.button = e.button.button == SDL_BUTTON_LEFT ? 1 : e.button.button == SDL_BUTTON_MIDDLE ? 2 : 3;
            return e.button.button <= SDL_BUTTON_RIGHT;
        case SDL_MOUSEWHEEL: {
            out.kind = InputEvent::Kind::Wheel;
            SDL_GetMouseState(&out.x, &out.y);
            int steps = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
            out.wheel = steps * WHEEL_DELTA;
            return steps != 0;
        }
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            out.kind = e.type == SDL_KEYDOWN ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp;
            out.vk = VirtualKey(e.key.keysym.sym);
            out.repeat = e.key.repeat != 0;
            out.textKey = MakesText(e.key.keysym.sym);
            return out.vk != 0;
        case SDL_TEXTINPUT:
            out.kind = InputEvent::Kind::Text;
            out.text = Utf8ToCodePage(e.text.text);
            return !out.text.empty();
        case SDL_CLIPBOARDUPDATE: out.kind = InputEvent::Kind::ClipboardChanged; return true;
        default: return false;
        }
    }

    SDL_Window* m_window = nullptr;
    SDL_Renderer* m_renderer = nullptr;
    SDL_Texture* m_texture = nullptr;
};

} // namespace

std::unique_ptr<Backend> MakeSdlBackend(std::string&) { return std::make_unique<SdlBackend>(); }

} // namespace miscdisplay

#else

namespace miscdisplay {

std::unique_ptr<Backend> MakeSdlBackend(std::string& error)
{
    error = "this build has no SDL2 display (install libsdl2-dev and rebuild)";
    return nullptr;
}

} // namespace miscdisplay

#endif
