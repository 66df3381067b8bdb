#pragma once

// The platform interfaces on Qt: message and input boxes and the beep. The
// settings store is in QtSettingsStore.h.

#include <QInputDialog>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "platform/Platform.h"

namespace novemo {

// Modal boxes share one parent window and a hook that brings the window up
// to date before a box opens, so the player sees what the game has set.
// After a box closes the hook gives the keyboard back to the board. Once the
// system is ending the game nobody is there to answer: no box opens, and what
// it would say goes to the standard error.
struct ModalHost {
  QPointer<QWidget> parent;
  bool ending = false;
  std::function<void()> beforeModal;
  std::function<void()> afterModal;
  void Prepare() const {
    if (beforeModal) beforeModal();
  }
  void Finish() const {
    if (afterModal) afterModal();
  }
};

class QtMessages final : public MessageDialog {
 public:
  explicit QtMessages(ModalHost& host) : host_(host) {}
  MsgAnswer Show(std::string_view text, std::string_view title, MsgIcon icon,
                 MsgButtons buttons) override;

 private:
  ModalHost& host_;
};

class QtInput final : public InputDialog {
 public:
  explicit QtInput(ModalHost& host) : host_(host) {}
  std::string Ask(std::string_view prompt, std::string_view title) override;
  std::string Typed() const override;

 private:
  ModalHost& host_;
  QPointer<QInputDialog> open_;
};

class QtBeeper final : public Beeper {
 public:
  void Beep() override;
};

// Lines of the logic's texts are separated by a carriage return alone.
QString DisplayText(std::string_view text);

}  // namespace novemo
