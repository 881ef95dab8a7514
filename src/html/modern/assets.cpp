#include "html/modern/assets.h"

#include "io/line_writer.h"
#include "workarea/file_names.h"

namespace docbase {

// ModernStyleSheet() and ModernScript() are defined in the sources that
// the build generates from docbase.css and docbase.js.

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
