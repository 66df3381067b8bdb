// What a Windows screen reader finds of the game through UI Automation, as
// Narrator and NVDA ask for it: the window, the board's 81 cells by name, the
// keyboard focus and its events following the green frame, a digit typed, and
// the cells out of view once the player gives up. Keys are typed with
// SendInput into the game, once its window is in front.
//   novemo_uia_test.exe NOVEMO_EXE

#include <initguid.h>
#include <uiautomation.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <regex>
#include <string>
#include <vector>

namespace {

IUIAutomation* uia = nullptr;
DWORD gamePid = 0;
int checks = 0;

void Check(bool ok, const std::string& what) {
  std::printf("%s: %s\n", ok ? "ok" : "failed", what.c_str());
  std::fflush(stdout);
  if (!ok) std::exit(1);
  ++checks;
}
bool Within(const std::function<bool()>& done) {  // polls for up to five seconds
  for (int i = 0; i < 50; ++i, Sleep(100))
    if (done()) return true;
  return false;
}
std::string Text(IUIAutomationElement* element, PROPERTYID id) {
  VARIANT value;
  VariantInit(&value);
  std::string text;  // the game's texts are ASCII
  if (element && SUCCEEDED(element->GetCurrentPropertyValueEx(id, TRUE, &value)) &&
      value.vt == VT_BSTR && value.bstrVal)
    text.assign(value.bstrVal, value.bstrVal + SysStringLen(value.bstrVal));
  VariantClear(&value);
  return text;
}
std::string Name(IUIAutomationElement* element) {
  return Text(element, UIA_NamePropertyId);
}
bool Flag(IUIAutomationElement* element, PROPERTYID id) {
  VARIANT value;
  VariantInit(&value);
  const bool set = SUCCEEDED(element->GetCurrentPropertyValueEx(id, TRUE, &value)) &&
                   value.vt == VT_BOOL && value.boolVal != VARIANT_FALSE;
  VariantClear(&value);
  return set;
}

// The names of the elements that focus events come from, as they arrive.
struct FocusEvents final : IUIAutomationFocusChangedEventHandler {
  std::mutex lock;
  std::string last;
  HRESULT STDMETHODCALLTYPE HandleFocusChangedEvent(IUIAutomationElement* sender) override {
    const std::lock_guard<std::mutex> hold(lock);
    last = Name(sender);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
    *out = (id == IID_IUnknown || id == IID_IUIAutomationFocusChangedEventHandler) ? this : nullptr;
    return *out != nullptr ? S_OK : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // lives on main's stack
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  bool Told(const std::string& place) {
    const std::lock_guard<std::mutex> hold(lock);
    return last.starts_with(place);
  }
};

std::string Place(int i) {  // a cell's name begins with its place
  return "Row " + std::to_string(i / 9 + 1) + ", column " + std::to_string(i % 9 + 1) + ", ";
}

void Type(std::vector<WORD> keys) {  // pressed in order, released in reverse
  std::vector<INPUT> inputs;
  for (WORD key : keys)
    inputs.push_back(INPUT{INPUT_KEYBOARD, {.ki = {key, 0, 0, 0, 0}}});
  for (auto key = keys.rbegin(); key != keys.rend(); ++key)
    inputs.push_back(INPUT{INPUT_KEYBOARD, {.ki = {*key, 0, KEYEVENTF_KEYUP, 0, 0}}});
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

HWND WindowTitled(const char* title) {  // the game's visible top-level window with that title
  static std::regex wanted;
  static HWND found;
  wanted = std::regex(title);
  found = nullptr;
  EnumWindows(
      [](HWND window, LPARAM) -> BOOL {
        DWORD pid = 0;
        char text[64] = {};
        GetWindowThreadProcessId(window, &pid);
        GetWindowTextA(window, text, sizeof text);
        if (pid == gamePid && IsWindowVisible(window) && std::regex_match(text, wanted))
          found = window;
        return found == nullptr;
      },
      0);
  return found;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  Check(SUCCEEDED(CoCreateInstance(CLSID_CUIAutomation, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IUIAutomation, reinterpret_cast<void**>(&uia))),
        "UI Automation's client is there");
  STARTUPINFOA start{};
  start.cb = sizeof start;
  PROCESS_INFORMATION game{};
  Check(CreateProcessA(argv[1], nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start,
                       &game) != 0,
        std::string("the game starts: ") + argv[1]);
  gamePid = game.dwProcessId;
  HWND window = nullptr;
  Check(Within([&] { return (window = WindowTitled("Novemo [0-9.]+")) != nullptr; }) &&
            Within([&] { return SetForegroundWindow(window) && GetForegroundWindow() == window; }),
        "the game's window comes to the front");

  IUIAutomationElement *root = nullptr, *board = nullptr;
  uia->ElementFromHandle(window, &root);
  Check(std::regex_match(Name(root), std::regex("Novemo [0-9.]+")), "the window: " + Name(root));
  IUIAutomationCondition* any = nullptr;
  uia->CreateTrueCondition(&any);
  // The tree is built as the first client asks: poll for the table.
  Check(Within([&] {
          IUIAutomationElementArray* all = nullptr;
          int count = 0;
          CONTROLTYPEID type = 0;
          if (FAILED(root->FindAll(TreeScope_Descendants, any, &all))) return false;
          all->get_Length(&count);
          for (int i = 0; i < count && board == nullptr; ++i) {
            IUIAutomationElement* element = nullptr;
            all->GetElement(i, &element);
            element->get_CurrentControlType(&type);
            if (type == UIA_TableControlTypeId) board = element;
          }
          return board != nullptr;
        }) &&
            Name(board) == "Board",
        "a table named Board");
  IUIAutomationElementArray* found = nullptr;
  int count = 0;
  board->FindAll(TreeScope_Children, any, &found);
  found->get_Length(&count);
  Check(count == 81, "81 cells: " + std::to_string(count));
  std::vector<IUIAutomationElement*> cells(81);
  int givens = 0;
  for (int i = 0; i < 81; ++i) {
    found->GetElement(i, &cells[i]);
    const std::string name = Name(cells[i]);
    if (!std::regex_match(name, std::regex(Place(i) + "([1-9], given|empty)")) ||
        Flag(cells[i], UIA_IsOffscreenPropertyId))
      Check(false, "a cell in view, named as its place and contents: " + name);
    givens += name.ends_with("given");
  }
  Check(givens >= 17 && givens < 81, "given and empty cells: " + std::to_string(givens) + " given");

  // The keyboard's place, as each cell tells it, and as the system's own
  // search finds it where that asks the game (Wine's follows MSAA, which
  // knows only the window).
  const auto focusedCells = [&] {
    std::string names;
    for (IUIAutomationElement* cell : cells)
      if (Flag(cell, UIA_HasKeyboardFocusPropertyId)) names += Name(cell) + ";";
    return names;
  };
  const auto focusIs = [&](int at) {
    IUIAutomationElement* element = nullptr;
    if (FAILED(uia->GetFocusedElement(&element)) || element == nullptr) return false;
    const std::string framework = Text(element, UIA_FrameworkIdPropertyId), name = Name(element);
    element->Release();
    static bool told = false;
    if (framework != "Qt" && !told)
      std::printf("note: the focused element is the system's (\"%s\"), not the game's\n",
                  (told = true, framework.c_str()));
    return framework != "Qt" || name.starts_with(Place(at));
  };
  Check(Within([&] { return focusedCells() == Name(cells[40]) + ";" && focusIs(40); }),
        "the keyboard is on the centre cell: " + focusedCells());
  FocusEvents events;
  Check(SUCCEEDED(uia->AddFocusChangedEventHandler(nullptr, &events)), "focus events are heard");
  // Along row 5, then the rows below, snaking, until the frame is on an empty cell.
  int at = 40;
  for (int step = 0; !Name(cells[at]).ends_with("empty"); ++step) {
    const bool right = at / 9 % 2 == 0, edge = at % 9 == (right ? 8 : 0);
    Type({static_cast<WORD>(edge ? VK_DOWN : right ? VK_RIGHT : VK_LEFT)});
    at += edge ? 9 : right ? 1 : -1;
    Check(step < 40 && Within([&] {
            return events.Told(Place(at)) && focusedCells() == Name(cells[at]) + ";" && focusIs(at);
          }),
          "the focus and its event follow the frame to " + Place(at) + ": " + focusedCells());
  }
  Type({'7'});
  Check(Within([&] { return Name(cells[at]).ends_with(", 7"); }), "a digit: " + Name(cells[at]));

  Type({VK_CONTROL, 'G'});
  HWND question = nullptr;
  Check(Within([&] { return (question = WindowTitled("Give Up")) != nullptr; }), "Give Up asks");
  SetForegroundWindow(question);
  Type({'Y'});
  Check(Within([&] { return WindowTitled("Give Up") == nullptr; }), "the answer Yes is taken");
  Check(Within([&] {
          for (IUIAutomationElement* cell : cells)
            if (!Flag(cell, UIA_IsOffscreenPropertyId)) return false;
          return focusedCells().empty();
        }),
        "every cell out of view, none with the keyboard, after Give Up");
  TerminateProcess(game.hProcess, 0);
  std::printf("%d checks passed\n", checks);
  return 0;
}
