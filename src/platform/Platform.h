#pragma once

// What the game logic needs of the desktop beyond plain control data: modal
// boxes, the beep, the per-user settings store, a random source and the
// player's language. The game gets Qt versions of these; tests get the
// in-memory ones of Memory.h.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace novemo {

enum class MsgIcon { None, Information, Question, Warning };
enum class MsgButtons { Ok, YesNo };
enum class MsgAnswer : std::int16_t { Ok = 1, Yes = 6, No = 7 };

// Modal message box. Lines of `text` are separated by a carriage return alone.
// An empty title stands for the application's own name.
class MessageDialog {
 public:
  virtual ~MessageDialog() = default;
  virtual MsgAnswer Show(std::string_view text, std::string_view title, MsgIcon icon,
                         MsgButtons buttons) = 0;
};

// Modal input box: the typed text, or empty when cancelled.
class InputDialog {
 public:
  virtual ~InputDialog() = default;
  virtual std::string Ask(std::string_view prompt, std::string_view title) = 0;
  // While Ask's box is open: what has been typed into it so far.
  virtual std::string Typed() const = 0;
};

class Beeper {
 public:
  virtual ~Beeper() = default;
  virtual void Beep() = 0;
};

// Per-user text values addressed by application, section and key. Several
// copies of the game may share one store: each change is made between Lock
// and Commit, on values read in after the lock was taken.
class SettingsStore {
 public:
  struct Report {
    bool ok = true;        // the values can be (or were) read and written
    std::string location;  // where they live, for the player to find them
    std::string reason;    // why not
    std::string keptCopy;  // an unreadable store, kept here before a clean start
  };

  virtual ~SettingsStore() = default;
  // Makes the application's store ready, once; says what is wrong with it,
  // and what was done about it.
  virtual Report Open(std::string_view app) = 0;
  // Takes in what other copies wrote since the last look.
  virtual void Refresh(std::string_view app) = 0;
  // Holds other copies off until Commit, with their latest values read in.
  virtual void Lock(std::string_view app) = 0;
  virtual std::string Read(std::string_view app, std::string_view section, std::string_view key,
                           std::string_view fallback) = 0;
  virtual void Write(std::string_view app, std::string_view section, std::string_view key,
                     std::string_view value) = 0;
  // Stores what was written since Lock, reads it back and lets other copies
  // in again. Not ok when the values are not in the store; they are then
  // dropped, and Read gives the stored ones.
  virtual Report Commit() = 0;
};

// The player's language. English is the source language: where the player's
// language has no text, the English one is shown. Texts are marked for the
// catalogue tools as Tr("Context", "Source text") calls, or with N_ where
// they are kept as data and translated later.
class Translator {
 public:
  virtual ~Translator() = default;
  // The text in the player's language, its line breaks as the boxes take
  // them (a carriage return alone); catalogues keep them as line feeds.
  std::string Tr(std::string_view context, std::string_view source) const;

 protected:
  virtual std::string Translate(std::string_view context, std::string_view source) const = 0;
};

// English: every text as written in the source.
class SourceLanguage final : public Translator {
 protected:
  std::string Translate(std::string_view, std::string_view source) const override {
    return std::string(source);
  }
};

// `text` with %1, %2, ... replaced by `args` in one pass, so that an argument
// that holds a % sign is never read as a placeholder.
std::string Args(std::string_view text, std::initializer_list<std::string_view> args);

// Marks a text for the catalogues where it is kept as data; Tr translates it
// where it is used.
#define N_(context, text) text

// Uniform draws from [0, 1).
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual double Next() = 0;
};

struct Platform {
  MessageDialog& messages;
  InputDialog& input;
  Beeper& beeper;
  SettingsStore& store;
  RandomSource& random;
  const Translator& text;
};

}  // namespace novemo
