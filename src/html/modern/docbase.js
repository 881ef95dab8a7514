/*
 * docbase modern layout: the one script of every page, written into
 * htm_out by each run. It only adds the word box of the main index front
 * page and the double-click navigation of the annotated pages; every page
 * reads without it, and all of it works from file:// pages.
 */

/* List pages: the word box of the main index front page */
/*
 * The main index is in word-id order: the words compared byte by byte in
 * UTF-8 after their ASCII letters are lower-cased (other letters keep their
 * case), as if a double quote followed each. The box picks the last page
 * whose first word does not sort after the typed one and opens it at
 * "#find=WORD"; there the script looks the word up among the page's
 * entries in the same order, moves to the first entry that does not sort
 * before it, by its id, and marks it.
 */
(function () {
  'use strict';
  var encoder = new TextEncoder();
  function key(word) {
    return encoder.encode(word.replace(/[A-Z]+/g, function (s) {
      return s.toLowerCase();
    }) + '"');
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
    if (hash.indexOf('#find=') !== 0) return;
    var wanted;
    try {
      wanted = key(decodeURIComponent(hash.substring(6)));
    } catch (error) {
      return;
    }
    var entries = document.querySelectorAll('main p[id]');
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
    var marked = document.querySelectorAll('main p.found');
    for (var i = 0; i < marked.length; i++) marked[i].classList.remove('found');
    entries[low].classList.add('found');
    location.replace('#' + entries[low].id);
  }
  function setUpBox() {
    var form = document.getElementById('find');
    if (!form) return;
    form.addEventListener('submit', function (event) {
      event.preventDefault();
      var word = form.elements.word.value.trim();
      var parts = document.querySelectorAll('.ranges a[data-first]');
      if (word === '' || parts.length === 0) return;
      var wanted = key(word);
      var pick = parts[0];
      for (var i = 1; i < parts.length; i++) {
        if (compare(key(parts[i].getAttribute('data-first')), wanted) > 0) break;
        pick = parts[i];
      }
      location.href = pick.getAttribute('href') + '#find=' +
          encodeURIComponent(word);
    });
  }
  // A link to a word of the classic main index ("index.htm#ID") goes on to
  // the page that holds the word: the last whose first id is not above it.
  function forwardWordId() {
    var wanted = /^#id(\d+)$/.exec(location.hash);
    var parts = document.querySelectorAll('.ranges a[data-id]');
    if (!wanted || parts.length === 0) return;
    var pick = parts[0];
    for (var i = 1; i < parts.length; i++) {
      if (Number(parts[i].getAttribute('data-id').substring(2)) >
          Number(wanted[1])) break;
      pick = parts[i];
    }
    location.replace(pick.getAttribute('href') + location.hash);
  }
  function start() {
    forwardWordId();
    setUpBox();
    findOnPage();
    window.addEventListener('hashchange', findOnPage);
  }
  if (typeof document !== 'object') return;  // under node: no page
  if (document.readyState === 'loading') {
    document.addEventListener('DOMContentLoaded', start);
  } else {
    start();
  }
})();
/* Annotated pages: the strip and the highlight of the word at hand. */
/*
 * A double click on a word opens the page at that occurrence ("#ID_K", one
 * handler for the whole page). Whenever the page is at an occurrence or at
 * a word ("#ID", its first occurrence on the page), every occurrence of the
 * word is highlighted by one generated rule, and the strip of that
 * occurrence is built after it from the page's word records:
 * "(K)(" the next occurrence on the page (when there is one), the word
 * index, the search page, the contents page and the next page holding the
 * word (when there is one) ")", the links of the classic strip.
 *
 * The word records are the JSON of the page's #page-words element:
 * {"index": WORD INDEX PAGE, "search": SEARCH PAGE, "contents": CONTENTS
 * PAGE, "words": {ID: [LAST, NEXT PAGE or ""]}}, LAST being the number of
 * the word's last occurrence on the page. Only words with a strip are
 * listed.
 *
 * The functions before the page's wiring use no page; under node (where
 * "module" exists) they are exported for the tests.
 */
(function () {
  'use strict';
  // The word records from the text of #page-words; records of no word
  // when the text is not JSON.
  function readRecords(text) {
    var data;
    try { data = JSON.parse(text); } catch (e) { data = {}; }
    if (!data.words) data.words = {};
    return data;
  }
  // The element id a fragment ("#id12_3", "#id12", percent-encoded or not)
  // names: its word id, and whether it names an occurrence or the word;
  // null for any other fragment.
  function parseHash(hash) {
    var name = hash.slice(1);
    try { name = decodeURIComponent(name); } catch (e) {}
    var parts = /^(id[0-9]+)(?:_([0-9]+))?$/.exec(name);
    if (!parts) return null;
    return { name: name, id: parts[1], occurrence: Boolean(parts[2]) };
  }
  // The links of the strip of occurrence k of word id, as [href, text]
  // pairs; null when the records hold no strip for the word.
  function stripLinks(data, id, k) {
    var word = data.words[id];
    if (!word) return null;
    var links = [];
    if (k < word[0]) links.push(['#' + id + '_' + (k + 1), '>']);
    links.push([data.index + '#' + id, 'i'],
               [data.search + '#' + id + '_' + k, 's'],
               [data.contents, 'c']);
    if (word[1]) links.push([word[1] + '#' + id, '>>']);
    return links;
  }
  if (typeof module === 'object') {
    module.exports = {
      readRecords: readRecords, parseHash: parseHash, stripLinks: stripLinks
    };
  }
  if (typeof document !== 'object') return;

  var page = document.querySelector('div.page');
  var record = document.getElementById('page-words');
  if (!page || !record) return;
  var data = null;
  var strip = null;
  var mark = document.createElement('style');
  document.head.appendChild(mark);

  function records() {
    if (data === null) data = readRecords(record.textContent);
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
    var place = parseHash(location.hash);
    var target = place ? document.getElementById(place.name) : null;
    if (!target) { mark.textContent = ''; return; }
    var id = place.id;
    var occurrence = place.occurrence ? target :
        target.querySelector('span[id^="' + id + '_"]');
    mark.textContent = '.page span[id^="' + id + '_"] { color: var(--mark-colour, red);' +
        ' font-size: var(--mark-size, 140%); font-weight: bold; }';
    if (!occurrence) return;
    var k = Number(occurrence.id.slice(id.length + 1));
    var links = stripLinks(records(), id, k);
    if (!links) return;
    strip = document.createElement('span');
    strip.className = 'strip';
    strip.append('(' + k + ')(');
    links.forEach(function (pair, i) {
      if (i > 0) strip.append(', ');
      strip.append(link(pair[0], pair[1]));
    });
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
