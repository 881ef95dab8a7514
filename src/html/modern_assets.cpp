#include "html/modern_assets.h"

#include "common/line_writer.h"
#include "workarea/file_names.h"

namespace docbase {

std::string ModernStyleSheet() {
  std::string sheet;
  sheet += ModernListStyle();
  sheet += ModernPageStyle();
  return sheet;
}

std::string ModernScript() {
  std::string script;
  script += ModernListScript();
  script += ModernPageScript();
  return script;
}

namespace {

Status WriteAsset(const WorkArea& area, std::string_view name,
                  std::string_view text) {
  LineWriter out;
  DOCBASE_RETURN_IF_ERROR(out.Open(area.Path(InFolder(OutputFolder(), name))));
  out.Write(text);
  return out.Close();
}

}  // namespace

Status WriteModernAssets(const WorkArea& area) {
  DOCBASE_RETURN_IF_ERROR(WriteAsset(area, StyleSheetName(), ModernStyleSheet()));
  return WriteAsset(area, ScriptName(), ModernScript());
}

}  // namespace docbase
