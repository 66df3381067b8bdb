#pragma once

// In-memory versions of the platform: scripted answers, recorded messages, a
// map for a settings store. They let a whole game run without a window.

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/Random.h"

namespace novemo {

class MemoryMessages final : public MessageDialog {
 public:
  struct Shown {
    std::string text;
    std::string title;
    MsgIcon icon;
    MsgButtons buttons;
  };

  MsgAnswer Show(std::string_view text, std::string_view title, MsgIcon icon,
                 MsgButtons buttons) override;

  std::vector<Shown> shown;
  // Answers for Yes/No questions, taken in order; when none is left, No.
  std::deque<MsgAnswer> answers;
  // Runs while a box is open, as ticks and redraws run during a real modal box.
  std::function<void(const Shown&)> whileOpen;
};

class MemoryInput final : public InputDialog {
 public:
  std::string Ask(std::string_view prompt, std::string_view title) override;
  std::string Typed() const override { return typed; }

  struct Asked {
    std::string prompt;
    std::string title;
  };
  std::vector<Asked> asked;
  std::deque<std::string> answers;  // when none is left, the box is cancelled
  std::string typed;
};

class MemoryBeeper final : public Beeper {
 public:
  void Beep() override { ++count; }
  int count = 0;
};

class MemoryStore final : public SettingsStore {
 public:
  Report Open(std::string_view) override { return openReport; }
  void Refresh(std::string_view) override {}
  void Lock(std::string_view) override {}
  std::string Read(std::string_view app, std::string_view section, std::string_view key,
                   std::string_view fallback) override;
  void Write(std::string_view app, std::string_view section, std::string_view key,
             std::string_view value) override;
  Report Commit() override;

  std::map<std::string, std::string> values;  // "app/section/key" to value
  bool failWrites = false;                    // a read-only or full store
  Report openReport{true, "memory store", {}, {}};

 private:
  std::map<std::string, std::string> pending_;
};

// A made-up language that marks every text it translates, so that a test can
// tell a text that went through the catalogues from one that did not.
class MarkedLanguage final : public Translator {
 protected:
  std::string Translate(std::string_view, std::string_view source) const override {
    std::string marked(1, '<');
    marked.append(source);
    return marked += '>';
  }
};

// One bundle of everything above.
struct MemoryPlatform {
  explicit MemoryPlatform(std::uint64_t seed = 1, const Translator* speaking = nullptr)
      : random(seed), language(speaking != nullptr ? speaking : &english) {}

  MemoryMessages messages;
  MemoryInput input;
  MemoryBeeper beeper;
  MemoryStore store;
  SeededRandom random;
  SourceLanguage english;
  const Translator* language;

  Platform platform() { return platform(store, random); }
  Platform platform(SettingsStore& someStore, RandomSource& someRandom) {
    return Platform{messages, input, beeper, someStore, someRandom, *language};
  }
};

}  // namespace novemo
