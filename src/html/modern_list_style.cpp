// The stylesheet and script parts of the list pages of the modern layout:
// the word-index, search and main-index pages and the main index front
// page.
//
// The entries stand in blocks (.blk) of bounded size that the browser lays
// out only when they come near the screen; contain-intrinsic-size gives
// each kind of block the height it takes about, until it has been laid out
// once and its real height is remembered.
//
// The script serves the word box of the front page. The main index is in
// word-id order: the words compared byte by byte in UTF-8 after their ASCII
// letters are lower-cased (other letters keep their case), as if a double
// quote followed each. The box picks the last page whose first word does
// not sort after the typed one and opens it at "#find=WORD"; there the
// script looks the word up among the page's entries in the same order and
// moves to the first entry that does not sort before it, by its id, and
// marks it. A link to "index.htm#ID" (the classic main index) is sent on
// to the page that holds word ID. All of it works from file:// pages.
#include "html/modern_assets.h"

namespace docbase {

std::string_view ModernListStyle() {
  return R"css(/* List pages: word index, search and main index pages */
.top h1 { font-size: 1.4em; margin: 0.4em 0; }
.top nav a { margin-right: 1em; }
.top .about { color: #555; font-size: 0.9em; }
.blk { content-visibility: auto; contain-intrinsic-size: auto 2400px; }
.blk.wi { contain-intrinsic-size: auto 2300px; }
.blk.sp { contain-intrinsic-size: auto 3400px; }
.blk.mi { contain-intrinsic-size: auto 2600px; }
.blk p { margin: 0 0 0.35em 0; line-height: 1.35; }
.blk h2 { font-size: 1.1em; margin: 0.8em 0 0.3em 0; }
.blk.mi p b { margin-right: 0.4em; }
.blk a { text-decoration: none; }
.blk a:hover { text-decoration: underline; }
.blk a.l::before { content: ""; display: block; }
.blk a.l, .blk a.l ~ a { font-size: 0.85em; margin-right: 0.5em; }
.blk.wi a { margin-right: 0.5em; }
.blk a.web { color: #1a5e20; }
.blk :target { background: #ffe97a; font-weight: bold; }
.blk p:target, .blk p.found { outline: 2px solid #e0b000; }
.blk p.found { background: #ffe97a; }
.find { margin: 1em 0; }
.find input { font-size: 1.1em; width: 16em; max-width: 70%; }
.ranges li { margin: 0.15em 0; }
)css";
}

std::string_view ModernListScript() {
  return R"js(/* List pages: the word box of the main index front page */
(function () {
  "use strict";
  var encoder = new TextEncoder();
  function key(word) {
    return encoder.encode(word.replace(/[A-Z]+/g, function (s) {
      return s.toLowerCase();
    }) + "\"");
  }
  function compare(a, b) {
    var n = Math.min(a.length, b.length);
    for (var i = 0; i < n; i++) {
      if (a[i] !== b[i]) return a[i] - b[i];
    }
    return a.length - b.length;
  }
  function findOnPage() {
    var hash = location.hash;
    if (hash.indexOf("#find=") !== 0) return;
    var wanted;
    try {
      wanted = key(decodeURIComponent(hash.substring(6)));
    } catch (error) {
      return;
    }
    var entries = document.querySelectorAll("main p[id]");
    if (entries.length === 0) return;
    var low = 0, high = entries.length;
    while (low < high) {
      var middle = (low + high) >> 1;
      var word = entries[middle].firstElementChild.textContent;
      if (compare(key(word), wanted) < 0) low = middle + 1; else high = middle;
    }
    if (low === entries.length) low = entries.length - 1;
    // Marked by a class as well: not every browser makes the entry the
    // :target when the fragment is replaced.
    var marked = document.querySelectorAll("main p.found");
    for (var i = 0; i < marked.length; i++) marked[i].classList.remove("found");
    entries[low].classList.add("found");
    location.replace("#" + entries[low].id);
  }
  function setUpBox() {
    var form = document.getElementById("find");
    if (!form) return;
    form.addEventListener("submit", function (event) {
      event.preventDefault();
      var word = form.elements.word.value.trim();
      var parts = document.querySelectorAll(".ranges a[data-first]");
      if (word === "" || parts.length === 0) return;
      var wanted = key(word);
      var pick = parts[0];
      for (var i = 1; i < parts.length; i++) {
        if (compare(key(parts[i].getAttribute("data-first")), wanted) > 0) break;
        pick = parts[i];
      }
      location.href = pick.getAttribute("href") + "#find=" +
          encodeURIComponent(word);
    });
  }
  // A link to a word of the classic main index ("index.htm#ID") goes on to
  // the page that holds the word: the last whose first id is not above it.
  function forwardWordId() {
    var wanted = /^#id(\d+)$/.exec(location.hash);
    var parts = document.querySelectorAll(".ranges a[data-id]");
    if (!wanted || parts.length === 0) return;
    var pick = parts[0];
    for (var i = 1; i < parts.length; i++) {
      if (Number(parts[i].getAttribute("data-id").substring(2)) >
          Number(wanted[1])) break;
      pick = parts[i];
    }
    location.replace(pick.getAttribute("href") + location.hash);
  }
  function start() {
    forwardWordId();
    setUpBox();
    findOnPage();
    window.addEventListener("hashchange", findOnPage);
  }
  if (document.readyState === "loading") {
    document.addEventListener("DOMContentLoaded", start);
  } else {
    start();
  }
})();
)js";
}

}  // namespace docbase
