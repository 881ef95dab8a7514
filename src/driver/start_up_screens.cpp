#include "driver/start_up_screens.h"

#include <string>

#include "driver/prompts.h"
#include "workarea/file_names.h"

namespace docbase {
namespace {

constexpr std::string_view kRule28 = "----------------------------";

void ShowTerms(const RunState& state, Console& console) {
  console.Line("Program name:" +
               ShownProgramName(state.settings.program_name_setting));
  console.Line("Terms of use:");
  console.Line(
      "This program is provided as it is, without any warranty. Its makers "
      "accept no liability for damages of any kind that arise from using it; "
      "you use it at your own risk.");
  console.Line();
  console.Line(
      "You may use the program and publish the document bases it makes, for "
      "yourself or for others. You may not sell the program itself, remove "
      "or change its notices, or present it as your own work.");
  console.Line();
  console.Line("Info: " + state.settings.info_address);
  console.Line();
  console.Line("====================================");
  console.Line("Do you accept the terms of use?");
  console.Line();
}

void ShowFontAdvice(Console& console) {
  console.Line();
  console.Line(kRule28);
  console.Line(
      "FONT CONSOLAS OR LUCIDA CONSOLE MUST BE SELECTED IN THE PROGRAM "
      "EXECUTION WINDOW.");
  console.Line("Setting procedure (necessary for correct printing):");
  console.Line(
      "- move the mouse to the center of the upper bold edge of the "
      "execution window;");
  console.Line("- right mouse click;");
  console.Line("- select Properties from the drop-down menu;");
  console.Line("- select the Font tab;");
  console.Line("- this tab includes the Consolas or Lucida Console font.");
  console.Line();
  console.Line("In the Layout tab, select the size of the execution window.");
  console.Line("Selected settings work when the program is restarted.");
  console.Line(kRule28);
  console.Line();
}

void ShowInstallationAdvice(Console& console) {
  console.Line();
  console.Line(kRule28);
  console.Line("THE PROGRAM MUST BE INSTALLED IN YOUR OWN DIRECTORY.");
  console.Line(
      "During execution, the program creates and also deletes most " +
      std::string(TextPattern()) + " and other files.");
  console.Line();
  console.Line(
      "The TXT files you want to index must be written in UTF-8 format and "
      "copied to the TXT_IN subfolder.");
  console.Line(
      "The TXT file names must not contain spaces or special characters "
      "(ASCII only).");
  console.Line(kRule28);
  console.Line();
}

}  // namespace

std::string ShownProgramName(std::string_view setting) {
  std::string shown(
      setting.substr(0, setting.size() - std::min<size_t>(3, setting.size())));
  return shown + "exe";
}

RunStep ShowStartUpScreens(const RunState& state, Console& console,
                           std::string_view directory_path) {
  console.Line();
  console.Line("====================================");
  console.Line();
  console.Line(
      "THE PROGRAM INDEXES A GROUP OF TXT FILES ON EACH WORD AND CREATES A "
      "DOCUMENT BASE");
  console.Line();
  ShowTerms(state, console);
  DOCBASE_RETURN_IF_STOPPED(TwoChoiceMenu(console, "<1> yes, continue",
                                          "<2> no, end", directory_path));
  ShowFontAdvice(console);
  DOCBASE_RETURN_IF_STOPPED(
      TwoChoiceMenu(console, "<1> continue", "<2> end", directory_path));
  ShowInstallationAdvice(console);
  return TwoChoiceMenu(console, "<1> continue", "<2> end", directory_path);
}

}  // namespace docbase
