// The head, the navigation and the end that the pages of the modern layout
// share: an HTML5 document in UTF-8 with a viewport for phones, a real
// title, an empty icon, the shared stylesheet and (deferred, so that
// nothing waits for it) the shared script. Nothing in a modern page needs
// the script to be read.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "html/modern/main_index_parts.h"
#include "io/line_writer.h"
#include "run/settings.h"

namespace docbase {

// "<!DOCTYPE html>" .. "<body>", with `title` escaped.
void WriteModernHead(LineWriter& out, std::string_view title);

// "</body>" and "</html>".
void WriteModernEnd(LineWriter& out);

// A link of a navigation line; `rel` is empty, "prev" or "next".
struct NavigationLink {
  std::string href;
  std::string label;
  std::string_view rel = {};
};

// <nav class="CLASS" aria-label="LABEL"><a href="HREF">TEXT</a> <a ...>
// ...</a></nav>, a line of its own; without the class or the label when
// empty. A page with more than one navigation names each by its label.
void WriteNavigation(LineWriter& out, std::string_view nav_class,
                     const std::vector<NavigationLink>& links,
                     std::string_view label = {});

// The top of a list page (word index, search, main index): the head with
// `title`, then the page's header: the heading (the title again), the
// navigation line of `links`, and the made-on line: `about`, the run's
// moment and the information link.
void WriteListPageTop(LineWriter& out, const Settings& settings,
                      std::string_view title,
                      const std::vector<NavigationLink>& links,
                      std::string_view about);

// The record the script of a list page (word index, search page) builds its
// links from, a line of its own:
//   <script type="application/json" id="list-data">{"i":"i_G.htm",
//   "s":"s_G.htm","c":"files_list.htm","host":HOST,"addr":ADDRESS,
//   "site":SITE,"mf":[FIRST,...],"mp":["index_1.htm",...]}</script>
// "mf" and "mp": the word-id number each main-index page starts at, and
// its name.
void WriteListPageData(LineWriter& out, const Settings& settings,
                       const MainIndexParts& parts, int64_t group);

}  // namespace docbase
