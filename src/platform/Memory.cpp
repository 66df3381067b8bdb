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

namespace {
std::string Path(std::string_view app, std::string_view section, std::string_view key) {
  return std::string(app) + '/' + std::string(section) + '/' + std::string(key);
}
}  // namespace

std::string MemoryStore::Read(std::string_view app, std::string_view section, std::string_view key,
                              std::string_view fallback) {
  const std::string path = Path(app, section, key);
  for (const auto* map : {&pending_, &values}) {
    if (const auto found = map->find(path); found != map->end()) return found->second;
  }
  return std::string(fallback);
}

void MemoryStore::Write(std::string_view app, std::string_view section, std::string_view key,
                        std::string_view value) {
  pending_[Path(app, section, key)] = std::string(value);
}

SettingsStore::Report MemoryStore::Commit() {
  if (failWrites) {
    pending_.clear();
    return {false, "memory store", "writes are refused", {}};
  }
  for (auto& [path, value] : pending_)
    values[path] = std::move(value);
  pending_.clear();
  return {true, "memory store", {}, {}};
}

}  // namespace novemo
