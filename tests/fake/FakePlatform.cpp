#include "tests/fake/FakePlatform.h"

namespace lumora::testing {
namespace {

class FakeProcess final : public LaunchedProcess {
 public:
  FakeProcess(FakePlatform& platform, Text commandLine, ProcessScript script)
      : platform_(platform), commandLine_(std::move(commandLine)), script_(script) {}

  std::optional<std::uint32_t> ExitCode() const override { return script_.exitCode; }

  bool AwaitEndWithEvents(std::uint32_t milliseconds) override {
    platform_.log.push_back("Await " + commandLine_ + " " + std::to_string(milliseconds));
    return script_.exitCode.has_value();
  }

 private:
  FakePlatform& platform_;
  Text commandLine_;
  ProcessScript script_;
};

}  // namespace

std::unique_ptr<LaunchedProcess> FakePlatform::RunHidden(const Text& commandLine) {
  log.push_back("Run " + commandLine);
  const auto found = processes.find(commandLine);
  const ProcessScript script = found == processes.end() ? ProcessScript{} : found->second;
  if (!script.starts) return nullptr;
  return std::make_unique<FakeProcess>(*this, commandLine, script);
}

void FakePlatform::PauseWithEvents(std::uint32_t milliseconds) {
  log.push_back("Pause " + std::to_string(milliseconds));
  if (duringPause) duringPause();
}

bool FakePlatform::WriteFileBytes(const Text& path, std::string_view data) {
  log.push_back("Write " + path);
  if (unwritableFiles.contains(path)) return false;
  files[path] = Text(data);
  return true;
}

bool FakePlatform::RemoveFile(const Text& path) {
  log.push_back("Remove " + path);
  return files.erase(path) == 1;
}

bool FakePlatform::WriteRegistryText(RegistryRoot, const Text& path, const Text& value) {
  log.push_back("RegWrite " + path + " = " + value);
  if (!registryWritable) return false;
  registry[path] = value;
  return true;
}

RemovalResult FakePlatform::RemoveRegistryValue(RegistryRoot, const Text& path) {
  log.push_back("RegRemove " + path);
  if (!registryWritable) return RemovalResult::Failed;
  return registry.erase(path) == 1 ? RemovalResult::Removed : RemovalResult::Missing;
}

Button FakePlatform::ShowMessageBox(const Text& message, MessageStyle style, const Text& title) {
  log.push_back("Box " + std::to_string(static_cast<unsigned>(style)) + " [" + title + "] " +
                message);
  if (answers.empty()) return Button::Ok;
  const Button answer = answers.front();
  answers.pop_front();
  return answer;
}

Text FakePlatform::ControlText(std::string_view editBox) {
  const auto found = controls.find(editBox);
  return found == controls.end() ? Text() : found->second;
}

void FakePlatform::SetControlText(std::string_view editBox, const Text& text) {
  log.push_back("SetText " + std::string(editBox) + " = " + text);
  controls[std::string(editBox)] = text;
}

int FakePlatform::ComboSelection(std::string_view) {
  return comboSelection;
}

Text FakePlatform::ComboItemText(std::string_view, int index) {
  if (index < 0 || index >= static_cast<int>(comboItems.size())) return Text();
  return comboItems[static_cast<std::size_t>(index)];
}

bool FakePlatform::ShowBalloonNotice(std::string_view trayIcon, const Text& title, const Text& text,
                                     BalloonIcon icon, int timeout) {
  log.push_back("Balloon " + std::string(trayIcon) + " [" + title + "] " + text + " " +
                std::to_string(static_cast<int>(icon)) + " " + std::to_string(timeout));
  return balloonAccepted;
}

}  // namespace lumora::testing
