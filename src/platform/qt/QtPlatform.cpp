#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <cstdio>

namespace novemo {

QString DisplayText(std::string_view text) {
  QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}

MsgAnswer QtMessages::Show(std::string_view text, std::string_view title, MsgIcon icon,
                           MsgButtons buttons) {
  if (host_.ending) {
    std::fprintf(stderr, "novemo: %s\n", DisplayText(text).toLocal8Bit().constData());
    return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::No;
  }
  host_.Prepare();
  QMessageBox box(host_.parent);
  box.setWindowTitle(title.empty() ? QApplication::applicationName() : DisplayText(title));
  box.setText(DisplayText(text));
  switch (icon) {
    case MsgIcon::Information:
      box.setIcon(QMessageBox::Information);
      break;
    case MsgIcon::Question:
      box.setIcon(QMessageBox::Question);
      break;
    case MsgIcon::Warning:
      box.setIcon(QMessageBox::Warning);
      break;
    case MsgIcon::None:
      box.setIcon(QMessageBox::NoIcon);
      break;
  }
  if (buttons == MsgButtons::YesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
  }
  const int chosen = box.exec();
  host_.Finish();
  if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
  return chosen == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
}

std::string QtInput::Ask(std::string_view prompt, std::string_view title) {
  if (host_.ending) return {};
  host_.Prepare();
  QInputDialog box(host_.parent);
  box.setWindowTitle(DisplayText(title));
  box.setLabelText(DisplayText(prompt));
  open_ = &box;
  const bool ok = box.exec() == QDialog::Accepted;
  open_ = nullptr;
  host_.Finish();
  return ok ? box.textValue().toStdString() : std::string();
}

std::string QtInput::Typed() const {
  return open_ ? open_->textValue().toStdString() : std::string();
}

void QtBeeper::Beep() {
  QApplication::beep();
}

}  // namespace novemo
