// The head, the navigation and the end that the pages of the modern layout
// share: an HTML5 document in UTF-8 with a viewport for phones, a real
// title, the shared stylesheet and (deferred, so that nothing waits for it)
// the shared script. Nothing in a modern page needs the script to be read.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/line_writer.h"
#include "common/settings.h"

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

// <nav class="CLASS"><a href="HREF">LABEL</a> <a ...>...</a></nav>, a line
// of its own; a plain <nav> when `nav_class` is empty.
void WriteNavigation(LineWriter& out, std::string_view nav_class,
                     const std::vector<NavigationLink>& links);

// The top of a list page (word index, search, main index): the head with
// `title`, then the page's header: the heading (the title again), the
// navigation line of `links`, and the made-on line: `about`, the run's
// moment and the information link.
void WriteListPageTop(LineWriter& out, const Settings& settings,
                      std::string_view title,
                      const std::vector<NavigationLink>& links,
                      std::string_view about);

}  // namespace docbase
