#include "platform/Memory.h"

namespace novemo {

MsgAnswer MemoryMessages::Show(std::string_view text, std::string_view title, MsgIcon icon,
                               MsgButtons buttons) {
  shown.push_back(Shown{std::string(text), std::string(title), icon, buttons});
  if (whileOpen) whileOpen(shown.back());
  if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
  if (answers.empty()) return MsgAnswer::No;
  const MsgAnswer answer = answers.front();
  answers.pop_front();
  return answer;
}

std::string MemoryInput::Ask(std::string_view prompt, std::string_view title) {
  asked.push_back(Asked{std::string(prompt), std::string(title)});
  if (answers.empty()) return {};
  std::string answer = std::move(answers.front());
  answers.pop_front();
  return answer;
}

std::string MemoryStore::Path(std::string_view app, std::string_view section,
                              std::string_view key) {
  std::string path(app);
  path += '/';
  path += section;
  path += '/';
  path += key;
  return path;
}

std::string MemoryStore::Read(std::string_view app, std::string_view section, std::string_view key,
                              std::string_view fallback) {
  const auto found = values.find(Path(app, section, key));
  return found == values.end() ? std::string(fallback) : found->second;
}

void MemoryStore::Write(std::string_view app, std::string_view section, std::string_view key,
                        std::string_view value) {
  if (!failWrites) values[Path(app, section, key)] = std::string(value);
}

SettingsStore::CommitResult MemoryStore::Commit() {
  ++commits;
  if (failWrites) return {false, "memory store", "writes are refused"};
  return {true, "memory store", {}};
}

}  // namespace novemo
