#include "tools/hnetshare/Scenario.h"

#include <array>
#include <charconv>
#include <sstream>

namespace lumora::hnetshare {
namespace {

constexpr std::array<const char*, 3> kSharingWords = {"none", "public", "private"};

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream stream(line);
  for (std::string field; std::getline(stream, field, '\t');) fields.push_back(field);
  return fields;
}

std::optional<int> Number(const std::string& field) {
  int value = 0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (error != std::errc() || end != field.data() + field.size()) return std::nullopt;
  return value;
}

std::optional<Sharing> SharingFromWord(const std::string& word) {
  for (std::size_t i = 0; i < kSharingWords.size(); ++i)
    if (word == kSharingWords[i]) return static_cast<Sharing>(i);
  return std::nullopt;
}

std::optional<Connection> ParseConnection(const std::vector<std::string>& fields) {
  if (fields.size() != 8) return std::nullopt;
  const auto status = Number(fields[4]);
  const auto mediaType = Number(fields[5]);
  const auto sharing = SharingFromWord(fields[6]);
  if (!status || !mediaType || !sharing || (fields[7] != "ok" && fields[7] != "fails"))
    return std::nullopt;
  return Connection{.name = fields[1],
                    .guid = fields[2],
                    .deviceName = fields[3],
                    .status = *status,
                    .mediaType = *mediaType,
                    .sharing = *sharing,
                    .enableFails = fields[7] == "fails"};
}

bool ApplyInstalled(const std::string& word, Scenario& scenario) {
  if (word == "null") {
    scenario.sharingInstalled.reset();
  } else if (word == "true" || word == "false") {
    scenario.sharingInstalled = word == "true";
  } else {
    return false;
  }
  return true;
}

// False for a record that is not one of the three kinds or is malformed.
bool ApplyRecord(const std::vector<std::string>& fields, Scenario& scenario) {
  if (fields.size() == 2 && fields[0] == "log") {
    scenario.logPath = fields[1];
  } else if (fields.size() == 2 && fields[0] == "installed") {
    return ApplyInstalled(fields[1], scenario);
  } else if (!fields.empty() && fields[0] == "connection") {
    const auto connection = ParseConnection(fields);
    if (!connection) return false;
    scenario.connections.push_back(*connection);
  } else {
    return false;
  }
  return true;
}

}  // namespace

std::string FormatScenario(const Scenario& scenario) {
  std::string text = "log\t" + scenario.logPath + "\n";
  text += "installed\t";
  text += scenario.sharingInstalled ? (*scenario.sharingInstalled ? "true" : "false") : "null";
  text += "\n";
  for (const Connection& c : scenario.connections) {
    text += "connection\t" + c.name + "\t" + c.guid + "\t" + c.deviceName + "\t" +
            std::to_string(c.status) + "\t" + std::to_string(c.mediaType) + "\t" +
            kSharingWords[static_cast<std::size_t>(c.sharing)] + "\t" +
            (c.enableFails ? "fails" : "ok") + "\n";
  }
  return text;
}

std::optional<Scenario> ParseScenario(const std::string& text) {
  Scenario scenario;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && !ApplyRecord(Fields(line), scenario)) return std::nullopt;
  }
  return scenario;
}

}  // namespace lumora::hnetshare
