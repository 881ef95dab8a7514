// The part of the shared stylesheet and script that serves the annotated
// pages of the modern layout (html/modern_pages.h).
//
// Style: the page's blocks are laid out only when on screen (the rule for
// every block is shared, in ModernStyleSheet); the occurrence the page was
// opened at (":target") is highlighted with the run's font colour and size,
// which the page carries as the custom properties --mark-colour and
// --mark-size.
//
// Script: a double click on a word opens the page at that occurrence
// ("#ID_K", one handler for the whole page); whenever the page is at an
// occurrence or at a word ("#ID", its first occurrence on the page), every
// occurrence of the word is highlighted by one generated rule and the
// strip of that occurrence is built after it from the page's word records:
// "(K)(" the next occurrence on the page (when there is one), the word
// index, the search page, the contents page and the next page holding the
// word (when there is one) ")", the links of the classic strip.
#include "html/modern_assets.h"

namespace docbase {

std::string_view ModernPageStyle() {
  return R"css(/* Annotated pages */
.page .blk { contain-intrinsic-size: auto 150em; }
.page-head { color: #666; font-size: 90%; }
.page span[id] { cursor: default; }
.page :target {
  color: var(--mark-colour, red); font-size: var(--mark-size, 140%);
  font-weight: bold; scroll-margin-top: 30vh;
}
.strip {
  font-size: 0.85rem; font-weight: normal; color: #222; white-space: nowrap;
  background: #fff7cc; border: 1px solid #d9c46c; border-radius: 3px;
  padding: 0 0.3em; margin: 0 0.2em;
}
.strip a { padding: 0 0.15em; }
)css";
}

std::string_view ModernPageScript() {
  return R"js(/* Annotated pages: the strip and the highlight of the word at hand. */
(function () {
  'use strict';
  var page = document.querySelector('div.page');
  var record = document.getElementById('page-words');
  if (!page || !record) return;
  var data = null;
  var strip = null;
  var mark = document.createElement('style');
  document.head.appendChild(mark);

  function records() {
    if (data === null) {
      try { data = JSON.parse(record.textContent); } catch (e) { data = {}; }
      if (!data.words) data.words = {};
    }
    return data;
  }
  function link(href, text) {
    var a = document.createElement('a');
    a.href = href;
    a.textContent = text;
    return a;
  }
  function show() {
    if (strip) { strip.remove(); strip = null; }
    var hash = location.hash.slice(1);
    try { hash = decodeURIComponent(hash); } catch (e) {}
    var parts = /^(id[0-9]+)(?:_([0-9]+))?$/.exec(hash);
    var target = parts ? document.getElementById(hash) : null;
    if (!target) { mark.textContent = ''; return; }
    var id = parts[1];
    var occurrence = parts[2] ? target :
        target.querySelector('span[id^="' + id + '_"]');
    mark.textContent = '.page span[id^="' + id + '_"] { color: var(--mark-colour, red);' +
        ' font-size: var(--mark-size, 140%); font-weight: bold; }';
    var d = records();
    var word = d.words[id];
    if (!word || !occurrence) return;
    var k = Number(occurrence.id.slice(id.length + 1));
    strip = document.createElement('span');
    strip.className = 'strip';
    strip.append('(' + k + ')(');
    if (k < word[0]) strip.append(link('#' + id + '_' + (k + 1), '>'), ', ');
    strip.append(link(d.index + '#' + id, 'i'), ', ',
                 link(d.search + '#' + id + '_' + k, 's'), ', ',
                 link(d.contents, 'c'));
    if (word[1]) strip.append(', ', link(word[1] + '#' + id, '>>'));
    strip.append(')');
    var after = occurrence.parentNode.id === id ? occurrence.parentNode : occurrence;
    after.after(strip);
  }
  page.addEventListener('dblclick', function (event) {
    var word = event.target.closest ? event.target.closest('span[id]') : null;
    if (!word || !/^id[0-9]+_[0-9]+$/.test(word.id)) return;
    if (location.hash === '#' + word.id) show(); else location.hash = word.id;
  });
  window.addEventListener('hashchange', show);
  show();
})();
)js";
}

}  // namespace docbase
