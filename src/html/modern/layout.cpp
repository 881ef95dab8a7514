#include "html/modern/layout.h"

#include <optional>

#include "html/modern/annotated_pages.h"
#include "html/modern/assets.h"
#include "html/modern/contents_page.h"
#include "html/modern/main_index.h"
#include "html/modern/main_index_parts.h"
#include "html/modern/search_page.h"
#include "html/modern/word_index_page.h"
#include "words/page_groups.h"

namespace docbase {
namespace {

class ModernLayout final : public Layout {
 public:
  // Groups of about the same amount of text, so that no page grows with
  // the collection.
  int64_t DefaultGroupSize(const WordCensus& census,
                           int64_t) const override {
    return ModernGroupSize(census);
  }

  void Prepare(const IndexTables& tables) override {
    parts_.emplace(MainIndexParts::Plan(tables));
  }

  Status WriteAnnotatedPages(const WorkArea& area, const Settings& settings,
                             const PageNeighbours& neighbours,
                             const PageStretch& stretch,
                             OccurrenceSource& source) const override {
    return WriteModernPages(area, settings.display, neighbours, stretch.group,
                            source, page_parts_);
  }

  Status WritePageWithoutWords(const WorkArea& area, const Settings& settings,
                               const PageNeighbours& neighbours,
                               const PageTally& page) const override {
    return WriteModernPageWithoutWords(area, settings.display, neighbours,
                                       page.listed_name, page.origin,
                                       page_parts_);
  }

  std::unique_ptr<WordIndexPageWriter> NewWordIndexPages() const override {
    return std::make_unique<ModernWordIndexPages>(*parts_, page_parts_);
  }

  Status WriteSearchPage(const WorkArea& area, const Settings& settings,
                         SplitMix64& random, int64_t group,
                         OccurrenceSource& source) const override {
    return WriteModernSearchPage(area, settings, *parts_, page_parts_, random,
                                 group, source);
  }

  Status WriteContentsPage(const WorkArea& area, const Settings& settings,
                           const IndexTables& tables) const override {
    return WriteModernContentsPage(area, settings, tables.census,
                                   tables.groups.sorted_names);
  }

  Status WriteMainIndex(const WorkArea& area, const Settings& settings,
                        WordPageSource& source,
                        int64_t* extra_pages) const override {
    *extra_pages = parts_->count();
    return WriteModernMainIndex(area, settings, *parts_, source);
  }

  Status WriteSharedFiles(const WorkArea& area) const override {
    return WriteModernAssets(area);
  }

  std::vector<std::string> PagePartFiles() const override {
    return page_parts_.Names();
  }

  // Every page is cut into blocks of bounded size.
  bool PagesCanOutgrowBrowsers() const override { return false; }

 private:
  std::optional<MainIndexParts> parts_;
  // Written from the tasks of the output pass.
  mutable PageParts page_parts_;
};

}  // namespace

std::unique_ptr<Layout> MakeModernLayout() {
  return std::make_unique<ModernLayout>();
}

}  // namespace docbase
