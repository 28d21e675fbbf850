#include "platform/memory/memory_services.h"

#include <utility>

#include "platform/text.h"

namespace qb {

int MemoryDialogs::ShowMessage(WindowHandle, std::string_view text, std::string_view title,
                              unsigned style) {
  shown_.push_back({std::string(text), std::string(title), style});
  if (while_waiting_) std::exchange(while_waiting_, nullptr)();
  if (!answers_.empty()) {
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  return (style & 0xF) == mb::kYesNo ? mb::kIdNo : mb::kIdOk;
}

namespace {

// The scripted answer in front, or a cancel when none is left.
template <typename T>
std::optional<T> NextAnswer(std::deque<std::optional<T>>& answers) {
  if (answers.empty()) return std::nullopt;
  auto answer = std::move(answers.front());
  answers.pop_front();
  return answer;
}

}  // namespace

bool MemoryDialogs::ChooseOpenFile(WindowHandle, const FileChoice& choice, std::string& path) {
  choosers_.push_back({Chooser::Kind::File, choice.title, choice.filter});
  const auto answer = NextAnswer(files_);
  if (answer) path = *answer;
  return answer.has_value();
}

bool MemoryDialogs::ChooseSaveFile(WindowHandle owner, const FileChoice& choice, std::string& path) {
  return ChooseOpenFile(owner, choice, path);
}

bool MemoryDialogs::ChooseFolder(WindowHandle, std::string_view title, std::string& path) {
  choosers_.push_back({Chooser::Kind::Folder, std::string(title)});
  const auto answer = NextAnswer(folders_);
  if (answer) path = *answer;
  return answer.has_value();
}

bool MemoryDialogs::ChooseColour(WindowHandle, uint32_t& colour) {
  choosers_.push_back({Chooser::Kind::Colour, "", "", colour});
  const auto answer = NextAnswer(colours_);
  if (answer) colour = *answer;
  return answer.has_value();
}

int MemoryDialogs::ShowTimedMessage(WindowHandle, std::string_view text,
                                    std::string_view title, unsigned style,
                                    unsigned timeout_ms) {
  shown_.push_back({std::string(text), std::string(title), style, timeout_ms});
  if (!answers_.empty()) {
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  return mb::kIdTimeout;
}

intptr_t MemoryShell::Execute(const ShellRequest& request) {
  requests_.push_back(request);
  return result_;
}

bool MemoryNamedObjects::Create(const std::string& name) { return counts_[name]++ > 0; }

void MemoryNamedObjects::Release(const std::string& name) {
  if (auto it = counts_.find(name); it != counts_.end() && --it->second == 0) counts_.erase(it);
}

namespace {

class MemoryHeldLock : public HeldLock {
 public:
  MemoryHeldLock(std::shared_ptr<std::set<std::string>> held, std::string name)
      : held_(std::move(held)), name_(std::move(name)) {}
  ~MemoryHeldLock() override { held_->erase(name_); }

 private:
  std::shared_ptr<std::set<std::string>> held_;
  std::string name_;
};

}  // namespace

std::unique_ptr<HeldLock> MemoryNamedLocks::Take(std::string_view name, uint32_t) {
  if (!held_->insert(std::string(name)).second) {
    ++refusals_;
    return nullptr;
  }
  return std::make_unique<MemoryHeldLock>(held_, std::string(name));
}

MemorySingleInstance::~MemorySingleInstance() {
  for (const auto& name : held_) objects_.Release(name);
}

bool MemorySingleInstance::ClaimName(std::string_view name) {
  held_.emplace_back(name);
  return objects_.Create(held_.back());
}

std::string MemoryEnvironment::ExpandVariables(std::string_view text) {
  std::string out;
  size_t i = 0;
  while (i < text.size()) {
    const auto open = text.find('%', i);
    const auto close = open == std::string_view::npos ? open : text.find('%', open + 1);
    if (close == std::string_view::npos) {
      out.append(text.substr(i));
      break;
    }
    out.append(text.substr(i, open - i));
    const auto name = text.substr(open + 1, close - open - 1);
    bool found = false;
    for (const auto& [key, value] : variables) {
      if (text::EqualsNoCase(key, name)) {
        out += value;
        found = true;
        break;
      }
    }
    // An unknown name stays as written, both signs included.
    if (!found) out.append(text.substr(open, close - open + 1));
    i = close + 1;
  }
  return out;
}

}  // namespace qb
