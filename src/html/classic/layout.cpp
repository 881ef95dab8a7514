#include "html/classic/layout.h"

#include "html/classic/annotated_pages.h"
#include "html/classic/contents_page.h"
#include "html/classic/main_index.h"
#include "html/classic/search_page.h"
#include "html/classic/word_index_page.h"
#include "pages/page_reader.h"

namespace docbase {
namespace {

class ClassicLayout final : public Layout {
 public:
  // One group of all texts unless a size is chosen.
  int64_t DefaultGroupSize(const WordCensus&,
                           int64_t input_files) const override {
    return input_files;
  }

  void Prepare(const IndexTables&) override {}

  Status WriteAnnotatedPages(const WorkArea& area, const Settings& settings,
                             const PageNeighbours& neighbours,
                             const PageStretch& stretch,
                             OccurrenceSource& source) const override {
    // The bottom bar of the last page of the group that holds words ends
    // its Next link with a blank.
    return RewritePages(area, settings.display, neighbours, stretch.group,
                        source,
                        stretch.ends_group ? NextLinkEnd::kTrailingBlank
                                           : NextLinkEnd::kNoTrailingBlank);
  }

  // Such a page stays as the page set made it.
  Status WritePageWithoutWords(const WorkArea& area, const Settings&,
                               const PageNeighbours&,
                               const PageTally& page) const override {
    return WriteNumberedPage(area, page.listed_name, page.origin);
  }

  std::unique_ptr<WordIndexPageWriter> NewWordIndexPages() const override {
    return std::make_unique<WordIndexPages>();
  }

  Status WriteSearchPage(const WorkArea& area, const Settings& settings,
                         SplitMix64& random, int64_t group,
                         OccurrenceSource& source) const override {
    return docbase::WriteSearchPage(area, settings, random, group, source);
  }

  Status WriteContentsPage(const WorkArea& area, const Settings& settings,
                           const IndexTables& tables) const override {
    return docbase::WriteContentsPage(area, settings,
                                      tables.groups.sorted_names);
  }

  Status WriteMainIndex(const WorkArea& area, const Settings& settings,
                        WordPageSource& source,
                        int64_t* extra_pages) const override {
    *extra_pages = 0;
    return docbase::WriteMainIndex(area, settings, source);
  }

  Status WriteSharedFiles(const WorkArea&) const override {
    return Status::Ok();
  }

  bool PagesCanOutgrowBrowsers() const override { return true; }
};

}  // namespace

std::unique_ptr<Layout> MakeClassicLayout() {
  return std::make_unique<ClassicLayout>();
}

}  // namespace docbase
