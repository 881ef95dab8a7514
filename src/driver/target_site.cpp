#include "driver/target_site.h"

#include "base/text.h"
#include "driver/prompts.h"

namespace docbase {
namespace {

// Removes everything up to and including the last `prefix`.
std::string StripThrough(std::string name, std::string_view prefix) {
  size_t last = name.rfind(prefix);
  return last == std::string::npos ? name : name.substr(last + prefix.size());
}

void ShowRenamingAdvice(Console& console) {
  console.Line();
  console.Line("----------------------------");
  console.Line(
      "The program creates Google search queries that point to (your) "
      "website, which is summarized in the program name.");
  console.Line(
      "Therefore, you must rename the program according to the name of "
      "(your) website, but the condition is that the");
  console.Line(
      "new program name begins with www...(like www.example.com.exe), "
      "http...(like http.example.com.exe), or https...(like "
      "https.example.com.exe)");
  console.Line(
      "BE CAREFUL AND COPY AND RENAME THE PROGRAM ACCORDING TO THE "
      "INSTRUCTIONS!");
  console.Line("----------------------------");
  console.Line();
}

}  // namespace

std::optional<std::string> DeriveTargetSite(std::string_view setting) {
  if (setting.size() < 4) return std::nullopt;
  std::string name = ToLowerAscii(setting.substr(0, setting.size() - 4));
  if (Contains(name, "www.")) return "www." + StripThrough(name, "www.");
  if (Contains(name, "http.")) return "http://" + StripThrough(name, "http.");
  if (Contains(name, "https.")) {
    return "https://" + StripThrough(name, "https.");
  }
  return std::nullopt;
}

RunStep SetTargetSite(RunState& state, Console& console) {
  std::optional<std::string> site =
      DeriveTargetSite(state.settings.program_name_setting);
  if (!site) {
    ShowRenamingAdvice(console);
    return OneKeyExit(console);
  }
  state.settings.target_site = *site;
  console.Line(state.settings.target_site);
  return RunStep::GoOn();
}

std::string FirstInputField(std::string_view answer) {
  size_t begin = answer.find_first_not_of(" \t");
  if (begin == std::string_view::npos) return {};
  answer.remove_prefix(begin);
  std::string_view field;
  if (answer.front() == '"') {
    answer.remove_prefix(1);
    field = answer.substr(0, answer.find('"'));
  } else {
    field = answer.substr(0, answer.find(','));
  }
  field = field.substr(0, 4096);
  size_t end = field.find_last_not_of(" \t");
  return std::string(end == std::string_view::npos ? field.substr(0, 0)
                                                   : field.substr(0, end + 1));
}

void AskTargetAddress(RunState& state, Console& console) {
  console.Line();
  console.Line("-----------------------");
  console.Line();
  console.Line("The program enables targeted search.");
  console.Line(
      "Google search phrases will be targeted to a specific web address.");
  console.Line(
      "If the destination web address is not specified, Google search will "
      "run all over the web.");
  console.Line();
  console.Write(
      "web address for destination search (example: www.example.org) = ? ");
  std::optional<std::string> answer = console.ReadLine();
  state.settings.target_address =
      answer ? FirstInputField(*answer) : std::string();
  if (!console.EchoesLineEnd()) console.Write("\r\n");
}

}  // namespace docbase
