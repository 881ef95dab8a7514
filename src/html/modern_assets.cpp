#include "html/modern_assets.h"

#include "common/line_writer.h"
#include "workarea/file_names.h"

namespace docbase {

// The rules every modern page shares: a readable column of text, the
// navigation bars, and the blocks (of text lines or list entries) that the
// browser lays out only when they come near the screen.
constexpr std::string_view kSharedStyle = R"css(/* docbase modern layout */
html { -webkit-text-size-adjust: 100%; text-size-adjust: 100%; }
body {
  margin: 0 auto; padding: 0.5em 1em 2em; max-width: 60em;
  font-family: system-ui, -apple-system, "Segoe UI", Roboto, sans-serif;
  line-height: 1.45; color: #1a1a1a; background: #fff;
  overflow-wrap: break-word;
}
a { color: #0645ad; }
nav.bar { margin: 0.6em 0; }
nav.bar a { margin-right: 1em; }
.blk { content-visibility: auto; contain-intrinsic-size: auto 60em; }
)css";

std::string ModernStyleSheet() {
  std::string sheet(kSharedStyle);
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
