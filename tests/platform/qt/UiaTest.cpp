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
#include <utility>
#include <vector>

namespace {

IUIAutomation* uia = nullptr;
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
// A property as the game's provider gives it: a text (ASCII, as the game's are) or a flag.
std::string Text(IUIAutomationElement* element, PROPERTYID id = UIA_NamePropertyId) {
  VARIANT value;
  VariantInit(&value);
  std::string text;
  if (element && SUCCEEDED(element->GetCurrentPropertyValueEx(id, TRUE, &value)))
    text = value.vt == VT_BSTR && value.bstrVal
               ? std::string(value.bstrVal, value.bstrVal + SysStringLen(value.bstrVal))
           : value.vt == VT_BOOL && value.boolVal ? "true"
                                                  : "";
  VariantClear(&value);
  return text;
}
bool Flag(IUIAutomationElement* element, PROPERTYID id) {
  return Text(element, id) == "true";
}
std::string Place(int i) {  // a cell's name begins with its place
  return "Row " + std::to_string(i / 9 + 1) + ", column " + std::to_string(i % 9 + 1) + ", ";
}

// The name of the element the last focus event came from.
struct FocusEvents final : IUIAutomationFocusChangedEventHandler {
  std::mutex lock;
  std::string last;
  HRESULT STDMETHODCALLTYPE HandleFocusChangedEvent(IUIAutomationElement* sender) override {
    const std::lock_guard<std::mutex> hold(lock);
    last = Text(sender);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
    *out = (id == IID_IUnknown || id == IID_IUIAutomationFocusChangedEventHandler) ? this : nullptr;
    return *out != nullptr ? S_OK : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // lives on main's stack
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  bool Told(int at) {
    const std::lock_guard<std::mutex> hold(lock);
    return last.starts_with(Place(at));
  }
};

void Type(std::vector<WORD> keys) {  // pressed in order, released in reverse
  std::vector<INPUT> inputs;
  for (WORD key : keys)
    inputs.push_back(INPUT{INPUT_KEYBOARD, {.ki = {key, 0, 0, 0, 0}}});
  for (auto key = keys.rbegin(); key != keys.rend(); ++key)
    inputs.push_back(INPUT{INPUT_KEYBOARD, {.ki = {*key, 0, KEYEVENTF_KEYUP, 0, 0}}});
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// The descendants of `element`, or its children.
std::vector<IUIAutomationElement*> Elements(IUIAutomationElement* element, TreeScope scope) {
  static IUIAutomationCondition* any = nullptr;
  IUIAutomationElementArray* found = nullptr;
  int count = 0;
  if (!any) uia->CreateTrueCondition(&any);
  if (FAILED(element->FindAll(scope, any, &found))) return {};
  found->get_Length(&count);
  std::vector<IUIAutomationElement*> elements(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i)
    found->GetElement(i, &elements[static_cast<std::size_t>(i)]);
  return elements;
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
  HWND window = nullptr;
  Check(Within([&] { return (window = FindWindowA(nullptr, "Novemo 1.2")) != nullptr; }) &&
            Within([&] { return SetForegroundWindow(window) && GetForegroundWindow() == window; }),
        "the game's window comes to the front");

  IUIAutomationElement *root = nullptr, *board = nullptr;
  uia->ElementFromHandle(window, &root);
  Check(Text(root) == "Novemo 1.2", "the window: " + Text(root));
  // The tree is built as the first client asks: poll for the table.
  Check(Within([&] {
          for (IUIAutomationElement* element : Elements(root, TreeScope_Descendants)) {
            CONTROLTYPEID type = 0;
            element->get_CurrentControlType(&type);
            if (type == UIA_TableControlTypeId && Text(element) == "Board") board = element;
          }
          return board != nullptr;
        }),
        "a table named Board");
  const std::vector<IUIAutomationElement*> cells = Elements(board, TreeScope_Children);
  Check(cells.size() == 81, "81 cells: " + std::to_string(cells.size()));
  int givens = 0;
  for (int i = 0; i < 81; ++i) {
    const std::string name = Text(cells[i]);
    if (!std::regex_match(name, std::regex(Place(i) + "([1-9], given|empty)")) ||
        Flag(cells[i], UIA_IsOffscreenPropertyId))
      Check(false, "a cell in view, named as its place and contents: " + name);
    givens += name.ends_with("given");
  }
  Check(givens >= 17 && givens < 81, "given and empty cells: " + std::to_string(givens) + " given");

  // Where the keyboard is, as the cells tell it, and as the system's own
  // search finds it where that asks the game (Wine's follows MSAA, which
  // knows only the window).
  const auto focusOn = [&](int at) {
    std::string names;
    for (IUIAutomationElement* cell : cells)
      if (Flag(cell, UIA_HasKeyboardFocusPropertyId)) names += Text(cell) + ";";
    IUIAutomationElement* focused = nullptr;
    uia->GetFocusedElement(&focused);
    static bool told = false;
    const bool game = Text(focused, UIA_FrameworkIdPropertyId) == "Qt";
    if (!game && !told)
      std::printf("note: the focused element is the system's, not the game's: not compared\n");
    told = told || !game;
    return at < 0 ? names.empty()
                  : names == Text(cells[at]) + ";" && (!game || Text(focused) == Text(cells[at]));
  };
  Check(Within([&] { return focusOn(40); }), "the keyboard is on the centre cell");
  FocusEvents events;
  Check(SUCCEEDED(uia->AddFocusChangedEventHandler(nullptr, &events)), "focus events are heard");
  // Along row 5, then the rows below, snaking, until the frame is on an empty cell.
  int at = 40;
  for (int step = 0; !Text(cells[at]).ends_with("empty"); ++step) {
    const bool right = at / 9 % 2 == 0, edge = at % 9 == (right ? 8 : 0);
    Type({static_cast<WORD>(edge ? VK_DOWN : right ? VK_RIGHT : VK_LEFT)});
    at += edge ? 9 : right ? 1 : -1;
    Check(step < 40 && Within([&] { return events.Told(at) && focusOn(at); }),
          "the focus, and an event, follow the frame to " + Place(at));
  }
  // A digit of the keypad, then of the main row, as Windows' virtual keys.
  for (const auto& [key, digit] : {std::pair<WORD, char>{VK_NUMPAD2, '2'}, {'7', '7'}}) {
    Type({key});
    Check(Within([&] { return Text(cells[at]).back() == digit; }), "a digit: " + Text(cells[at]));
  }

  Type({VK_CONTROL, 'G'});
  HWND question = nullptr;
  Check(Within([&] { return (question = FindWindowA(nullptr, "Give Up")) != nullptr; }),
        "Give Up asks");
  SetForegroundWindow(question);
  Type({'Y'});
  Check(Within([] { return FindWindowA(nullptr, "Give Up") == nullptr; }), "Yes is taken");
  Check(Within([&] {
          for (IUIAutomationElement* cell : cells)
            if (!Flag(cell, UIA_IsOffscreenPropertyId)) return false;
          return focusOn(-1);
        }),
        "every cell out of view, none with the keyboard, after Give Up");
  TerminateProcess(game.hProcess, 0);
  std::printf("%d checks passed\n", checks);
  return 0;
}
