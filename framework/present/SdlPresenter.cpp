#include "present/SdlPresenter.h"

#if VM_HAVE_SDL2

#include <SDL.h>

#include <array>
#include <string>

#include "graphics/RealizedFont.h"
#include "winsys/Cursors.h"
#include "winsys/WinUser.h"
#include "winsys/WindowSystem.h"

namespace {
// The desktop's clipboard, reached through SDL while the window shows.
class TSdlClipboard : public TClipboardBridge {
 public:
  bool SetText(const std::string& text) override { return SDL_SetClipboardText(text.c_str()) == 0; }
  bool GetText(std::string& text) override {
    if (!SDL_HasClipboardText()) return false;
    char* held = SDL_GetClipboardText();
    if (!held) return false;
    text = held;
    SDL_free(held);
    return true;
  }
};

// The window: a streaming texture updated from the screen's framebuffer whenever the queue
// runs dry, and SDL events turned into the window system's input.
class TSdlPresenter : public TPresenter {
 public:
  TSdlPresenter(SDL_Window* window, SDL_Renderer* renderer, SDL_Texture* texture)
      : FWindow(window), FRenderer(renderer), FTexture(texture) {}
  ~TSdlPresenter() override {
    if (FClipboardInstalled) SetClipboardBridge(FPreviousClipboard);
    SetInputWait(nullptr);
    Active = nullptr;
    for (SDL_Cursor* cursor : FCursors)
      if (cursor) SDL_FreeCursor(cursor);
    SDL_DestroyTexture(FTexture);
    SDL_DestroyRenderer(FRenderer);
    SDL_DestroyWindow(FWindow);
    SDL_Quit();
  }

  void Attach() override {
    Active = this;
    SetInputWait(&Wait);
    SDL_StartTextInput();
    if (!FClipboardInstalled) {
      FPreviousClipboard = SetClipboardBridge(&FClipboard);
      FClipboardInstalled = true;
    }
  }

  int Run() override {
    Attach();
    MSG message;
    while (GetMessage(&message, nullptr, 0, 0) > 0) {
      TranslateMessage(&message);
      DispatchMessage(&message);
    }
    SetInputWait(nullptr);
    return static_cast<int>(message.wParam);
  }
  const char* Name() const override { return "sdl"; }

 private:
  static bool Wait(int timeout) { return Active && Active->WaitForEvents(timeout); }

  bool WaitForEvents(int timeout) {
    Present();
    SDL_Event event;
    if (!SDL_WaitEventTimeout(&event, timeout < 0 ? 250 : timeout)) return true;
    do
      Feed(event);
    while (SDL_PollEvent(&event));
    return true;
  }

  void Present() {
    TSurface& screen = TWindowSystem::Instance().Screen();
    SDL_UpdateTexture(FTexture, nullptr, screen.Row(0), static_cast<int>(screen.Stride() * 4));
    SDL_RenderClear(FRenderer);
    SDL_RenderCopy(FRenderer, FTexture, nullptr, nullptr);
    SDL_RenderPresent(FRenderer);
    ShowCursorShape(VisibleCursorShape());
  }

  void ShowCursorShape(TCursorShape shape) {
    if (shape == FShownShape) return;
    FShownShape = shape;
    if (shape == TCursorShape::None) {
      SDL_ShowCursor(SDL_DISABLE);
      return;
    }
    SDL_ShowCursor(SDL_ENABLE);
    const auto index = static_cast<size_t>(shape);
    if (!FCursors[index]) FCursors[index] = SDL_CreateSystemCursor(SystemCursor(shape));
    if (FCursors[index]) SDL_SetCursor(FCursors[index]);
  }

  static SDL_SystemCursor SystemCursor(TCursorShape shape) {
    switch (shape) {
      case TCursorShape::IBeam:
        return SDL_SYSTEM_CURSOR_IBEAM;
      case TCursorShape::Wait:
      case TCursorShape::SQLWait:
        return SDL_SYSTEM_CURSOR_WAIT;
      case TCursorShape::AppStarting:
        return SDL_SYSTEM_CURSOR_WAITARROW;
      case TCursorShape::Cross:
        return SDL_SYSTEM_CURSOR_CROSSHAIR;
      case TCursorShape::SizeNWSE:
        return SDL_SYSTEM_CURSOR_SIZENWSE;
      case TCursorShape::SizeNESW:
        return SDL_SYSTEM_CURSOR_SIZENESW;
      case TCursorShape::SizeWE:
      case TCursorShape::HSplit:
        return SDL_SYSTEM_CURSOR_SIZEWE;
      case TCursorShape::SizeNS:
      case TCursorShape::VSplit:
        return SDL_SYSTEM_CURSOR_SIZENS;
      case TCursorShape::SizeAll:
      case TCursorShape::Drag:
      case TCursorShape::MultiDrag:
        return SDL_SYSTEM_CURSOR_SIZEALL;
      case TCursorShape::No:
      case TCursorShape::NoDrop:
        return SDL_SYSTEM_CURSOR_NO;
      case TCursorShape::Hand:
        return SDL_SYSTEM_CURSOR_HAND;
      default:
        return SDL_SYSTEM_CURSOR_ARROW;
    }
  }

  static int VirtualKey(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
    if (key >= SDLK_F1 && key <= SDLK_F12) return VK_F1 + (key - SDLK_F1);
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return VK_NUMPAD1 + (key - SDLK_KP_1);
    switch (key) {
      case SDLK_RETURN:
        return VK_RETURN;
      case SDLK_ESCAPE:
        return VK_ESCAPE;
      case SDLK_BACKSPACE:
        return VK_BACK;
      case SDLK_TAB:
        return VK_TAB;
      case SDLK_SPACE:
        return VK_SPACE;
      case SDLK_LEFT:
        return VK_LEFT;
      case SDLK_RIGHT:
        return VK_RIGHT;
      case SDLK_UP:
        return VK_UP;
      case SDLK_DOWN:
        return VK_DOWN;
      case SDLK_HOME:
        return VK_HOME;
      case SDLK_END:
        return VK_END;
      case SDLK_PAGEUP:
        return VK_PRIOR;
      case SDLK_PAGEDOWN:
        return VK_NEXT;
      case SDLK_INSERT:
        return VK_INSERT;
      case SDLK_DELETE:
        return VK_DELETE;
      case SDLK_LSHIFT:
      case SDLK_RSHIFT:
        return VK_SHIFT;
      case SDLK_LCTRL:
      case SDLK_RCTRL:
        return VK_CONTROL;
      case SDLK_LALT:
      case SDLK_RALT:
        return VK_MENU;
      case SDLK_CAPSLOCK:
        return VK_CAPITAL;
      case SDLK_KP_0:
        return VK_NUMPAD0;
      case SDLK_KP_MULTIPLY:
        return VK_MULTIPLY;
      case SDLK_KP_PLUS:
        return VK_ADD;
      case SDLK_KP_MINUS:
        return VK_SUBTRACT;
      case SDLK_KP_DIVIDE:
        return VK_DIVIDE;
      case SDLK_KP_PERIOD:
        return VK_DECIMAL;
      case SDLK_KP_ENTER:
        return VK_RETURN;
      case SDLK_SEMICOLON:
        return VK_OEM_1;
      case SDLK_EQUALS:
        return VK_OEM_PLUS;
      case SDLK_COMMA:
        return VK_OEM_COMMA;
      case SDLK_MINUS:
        return VK_OEM_MINUS;
      case SDLK_PERIOD:
        return VK_OEM_PERIOD;
      case SDLK_SLASH:
        return VK_OEM_2;
      case SDLK_BACKQUOTE:
        return VK_OEM_3;
      case SDLK_LEFTBRACKET:
        return VK_OEM_4;
      case SDLK_BACKSLASH:
        return VK_OEM_5;
      case SDLK_RIGHTBRACKET:
        return VK_OEM_6;
      case SDLK_QUOTE:
        return VK_OEM_7;
      default:
        return 0;
    }
  }

  static int Button(Uint8 button) {
    return button == SDL_BUTTON_RIGHT    ? MouseRight
           : button == SDL_BUTTON_MIDDLE ? MouseMiddle
                                         : MouseLeft;
  }

  void Feed(const SDL_Event& event) {
    TInputRouter& input = TWindowSystem::Instance().Input();
    switch (event.type) {
      case SDL_QUIT:
        PostQuitMessage(0);
        break;
      case SDL_MOUSEMOTION:
        input.InjectMouseMove({event.motion.x, event.motion.y});
        break;
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP:
        input.InjectMouseMove({event.button.x, event.button.y});
        input.InjectButton(Button(event.button.button), event.type == SDL_MOUSEBUTTONDOWN);
        break;
      case SDL_MOUSEWHEEL:
        input.InjectWheel(event.wheel.y * 120);
        break;
      case SDL_KEYDOWN:
      case SDL_KEYUP:
        if (const int key = VirtualKey(event.key.keysym.sym))
          input.InjectKey(key, event.type == SDL_KEYDOWN, true);
        break;
      case SDL_TEXTINPUT: {
        const size_t length = SDL_strlen(event.text.text);
        for (size_t index = 0; index < length;)
          input.InjectChar(NextCodePoint(event.text.text, length, index));
        break;
      }
      default:
        break;
    }
  }

  static inline TSdlPresenter* Active = nullptr;
  SDL_Window* FWindow;
  SDL_Renderer* FRenderer;
  SDL_Texture* FTexture;
  std::array<SDL_Cursor*, static_cast<size_t>(TCursorShape::None) + 1> FCursors{};
  TCursorShape FShownShape = TCursorShape::Arrow;
  TSdlClipboard FClipboard;
  TClipboardBridge* FPreviousClipboard = nullptr;
  bool FClipboardInstalled = false;
};
}  // namespace

std::unique_ptr<TPresenter> CreateSdlPresenter(const TPresenterOptions& options,
                                               std::string* reason) {
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    if (reason) *reason = SDL_GetError();
    return nullptr;
  }
  SDL_Window* window = SDL_CreateWindow("Vellmark", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                        options.Width, options.Height, 0);
  SDL_Renderer* renderer = window ? SDL_CreateRenderer(window, -1, 0) : nullptr;
  SDL_Texture* texture =
      renderer ? SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                   options.Width, options.Height)
               : nullptr;
  if (!texture) {
    if (reason) *reason = SDL_GetError();
    if (renderer) SDL_DestroyRenderer(renderer);
    if (window) SDL_DestroyWindow(window);
    SDL_Quit();
    return nullptr;
  }
  return std::make_unique<TSdlPresenter>(window, renderer, texture);
}

#else

std::unique_ptr<TPresenter> CreateSdlPresenter(const TPresenterOptions&, std::string* reason) {
  if (reason) *reason = "built without SDL2";
  return nullptr;
}

#endif
