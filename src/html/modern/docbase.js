/*
 * docbase modern layout: the one script of every page, written into
 * htm_out by each run. Every page reads without it: the text, the words,
 * the counts, the navigation bars and the first occurrence of a word on a
 * page are in the page itself. The script adds what would otherwise fill
 * the pages many times over:
 *
 *  - annotated pages: the anchors "#idN_K" of every occurrence, the strip
 *    of links of the word at hand (tap, click, double-click or keyboard),
 *    and the highlight of the word's occurrences;
 *  - search, word-index and main-index pages: the links of each entry,
 *    made for the blocks that come on screen, from the words and the small
 *    records each page carries;
 *  - the front page: the word box.
 *
 * All of it works from file:// pages. The functions before the page wiring
 * use no page; under node (where "module" exists) they are exported for the
 * tests.
 */
(function () {
  'use strict';

  /* ---------------------------------------------------------------------
   * Without a page
   * ------------------------------------------------------------------- */

  // Only ASCII letters change case, as in the word ids.
  function asciiLower(text) {
    return text.replace(/[A-Z]+/g, function (s) { return s.toLowerCase(); });
  }

  // "id" and the word number, 8 digits at least.
  function wordId(number) {
    var digits = String(number);
    while (digits.length < 8) digits = '0' + digits;
    return 'id' + digits;
  }

  // The UTF-8 bytes of `text` percent-encoded, all but ASCII letters,
  // digits and "-._~": the query the pages have always carried.
  function queryEncode(text) {
    return encodeURIComponent(text).replace(/[!'()*]/g, function (c) {
      return '%' + c.charCodeAt(0).toString(16).toUpperCase();
    });
  }

  // The web search of a phrase (already encoded), narrowed to `site` when
  // one is given.
  function webSearchHref(host, encodedPhrase, site) {
    return 'http://' + host + '/search?q=' + encodedPhrase +
        (site ? queryEncode(' site:' + site) : '');
  }

  // The index (from 0) of the main-index page that holds word number
  // `number`: the last whose first word number is not above it.
  function partOf(firsts, number) {
    var low = 0, high = firsts.length;
    while (low < high) {
      var middle = (low + high) >> 1;
      if (firsts[middle] <= number) low = middle + 1; else high = middle;
    }
    return Math.max(low - 1, 0);
  }

  // The element id a fragment ("#id12_3", "#id12", percent-encoded or not)
  // names, its word id and occurrence number (0: the word itself); null for
  // any other fragment.
  function parseHash(hash) {
    var name = hash.slice(1);
    try { name = decodeURIComponent(name); } catch (e) { return null; }
    var parts = /^(id[0-9]+)(?:_([0-9]+))?$/.exec(name);
    if (!parts) return null;
    return { name: name, id: parts[1], k: parts[2] ? Number(parts[2]) : 0 };
  }

  // Whether the link to `hash` is passed over a part of a long page that
  // goes on, from what its record file says the part holds (`part`),
  // without the part being read. A word-index part names its last word
  // ("l", the number of its id): a word after it is further on. An
  // annotated part names its words ("w": "N N+H ...", N the number of a
  // word's id and "+H" when the word occurs again in a later part, H its
  // last occurrence in this one): a word it lacks, or an occurrence after
  // its last one here, is further on. A search part names its words with
  // the highest occurrence of each ("s": "N.H ..."): the same holds.
  function partPassesOn(part, hash) {
    var place = parseHash(hash);
    if (!place) return false;
    var number = Number(place.id.slice(2));
    if (part.l !== undefined) return number > part.l;
    if (part.s !== undefined) {
      var held = new RegExp('(?:^| )' + number + '\\.([0-9]+)(?= |$)').exec(part.s);
      return !held || place.k > Number(held[1]);
    }
    var found = new RegExp('(?:^| )' + number +
                           '(?:\\+([0-9]+))?(?= |$)').exec(part.w || '');
    if (!found) return true;
    return place.k > 0 && found[1] !== undefined && place.k > Number(found[1]);
  }

  // The word records of an annotated page, "K K.N K+H K- ...": one per word
  // in the order of the words' first occurrences, each with the number of
  // that occurrence, the index in the page's list of next pages (-1: none),
  // whether it occurs again in a later part of a page cut into parts and
  // then the number of its last occurrence in this part (highest; 0 when
  // not given), and whether the word has a strip.
  function parseWordRecords(text) {
    if (!text) return [];
    return text.split(' ').map(function (entry) {
      var parts = /^([0-9]+)(?:\.([0-9]+))?(?:\+([0-9]*))?(-?)$/.exec(entry) ||
          [0, '0'];
      return {
        k: Number(parts[1]),
        next: parts[2] === undefined ? -1 : Number(parts[2]),
        more: parts[3] !== undefined,
        highest: parts[3] ? Number(parts[3]) : 0,
        strip: parts[4] !== '-'
      };
    });
  }

  // Numbers the occurrences of an annotated page, given in the page's
  // order as {id, text, opaque}: `id` the element's own id, if any. The
  // first occurrence of a word carries the word id and its number comes
  // from the records; an occurrence whose count would go wrong carries
  // "idN_K" itself; any other is found by its text, ASCII letters
  // lower-cased, and numbered on from the word's occurrences before it.
  // Gives each its {id, k}, null where the page does not tell.
  function numberOccurrences(items, records) {
    var byText = Object.create(null);
    var words = Object.create(null);  // id -> {first, seen}
    var firsts = 0;
    return items.map(function (item) {
      var own = item.id ? /^(id[0-9]+)(?:_([0-9]+))?$/.exec(item.id) : null;
      if (own && !own[2]) {
        var record = records[firsts++];
        if (!record) return null;
        words[own[1]] = { first: record.k, seen: 1 };
        if (!item.opaque) byText[asciiLower(item.text)] = own[1];
        return { id: own[1], k: record.k };
      }
      if (own) {
        if (words[own[1]]) words[own[1]].seen++;
        return { id: own[1], k: Number(own[2]) };
      }
      var id = byText[asciiLower(item.text)];
      if (!id) return null;
      var word = words[id];
      return { id: id, k: word.first + word.seen++ };
    });
  }

  // The links of the strip of occurrence k of a word, as [href, text]
  // pairs: the next occurrence on the page (below `last`, the word's last
  // there, or in the next part, data.p, when `more`; in a part that holds a
  // piece of a line cut between parts, data.f, the page's first part,
  // when `held(anchor)` says this part does not hold it), the word index,
  // the search page, the contents page and the next page holding the word.
  function stripLinks(data, id, k, last, nextPage, more, held) {
    var links = [];
    var next = id + '_' + (k + 1);
    if (data.f && (k < last || more) && !(held && held(next))) {
      links.push([data.f + '#' + next, '>']);
    } else if (k < last) {
      links.push(['#' + next, '>']);
    } else if (more && data.p) {
      links.push([data.p + '#' + next, '>']);
    }
    links.push([data.i + '#' + id, 'i'], [data.s + '#' + id + '_' + k, 's'],
               [data.c, 'c']);
    if (nextPage) links.push([nextPage + '#' + id, '>>']);
    return links;
  }

  // The words of a search-page line, in order, as {text, explicit}:
  // `explicit` is the "N.K" of a word that carries its own number.
  // Numbers them: a word first met on its page takes the next of the
  // block's records ("N.K"), the others count on from it. `state` holds
  // the page's words met so far ({} at each page) and the block's records.
  function numberSearchWords(words, state) {
    return words.map(function (word) {
      if (word.explicit) {
        var own = word.explicit.split('.');
        return { id: wordId(own[0]), k: Number(own[1]) };
      }
      var key = asciiLower(word.text);
      var known = state.words[key];
      if (!known) {
        var record = (state.records[state.next++] || '0.0').split('.');
        known = state.words[key] = { id: wordId(record[0]), k: Number(record[1]) };
      }
      return { id: known.id, k: known.k++ };
    });
  }

  // The entries of a word-index paragraph after its word: "PAGE (N), ...".
  function parseEntries(text) {
    var entries = [];
    var pattern = /([^ ,()]+) \(([0-9]+)\)/g;
    var found;
    while ((found = pattern.exec(text)) !== null) {
      entries.push({ page: found[1], count: found[2] });
    }
    return entries;
  }

  /*
   * The links the script adds to the list pages, made without a page as
   * "pieces": a string is text, [HREF, TEXT, CLASS, ID] a link, with CLASS
   * "b" the word itself (a link in bold), and null a line break.
   */

  // A search-page line: its words, each a link to the word index carrying
  // the occurrence's anchor, then the links of the line: the word index and
  // the main index at its first word, the contents page at its page, and
  // the web searches of its phrase (`phrase`, encoded). A long line may
  // come in pieces (`line`): those before its last (goesOn) have their
  // words only, and the last names the line's first word (first, "N").
  function searchLinePieces(data, words, page, phrase, line) {
    var pieces = [];
    words.forEach(function (word) {
      pieces.push(' ', [data.i + '#' + word.id, word.text, '', word.id + '_' + word.k]);
    });
    // A piece of a line that goes on in the next paragraph has its words
    // only; the line's last piece names the line's first word.
    if (line && line.goesOn) return pieces;
    if (words.length > 0) {
      var first = line && line.first ? wordId(line.first) : words[0].id;
      pieces.push(' ', [data.i + '#' + first, data.i.replace(/\.htm$/, ''), 'l'],
          ' ', [data.mp[partOf(data.mf, Number(first.slice(2)))] + '#' + first, 'index'],
          ' ', [data.c + '#' + page, 'Content (' + page + ')']);
    }
    [data.addr, data.site].forEach(function (address) {
      if (address) pieces.push(' ', [webSearchHref(data.host, phrase, address), address, 'web']);
    });
    pieces.push(' ', [webSearchHref(data.host, phrase, ''), 'web search', 'web']);
    return pieces;
  }

  // A word-index paragraph: the word linked to its first page, then per
  // page its link and count, the search page at the word's first occurrence
  // there (`numbers`), the contents page; once, the main index and the web
  // search on the site (`phrase`, encoded).
  function wordIndexPieces(data, id, word, numbers, entries, phrase) {
    var pieces = [];
    var stem = data.s.replace(/\.htm$/, '');
    entries.forEach(function (entry, at) {
      if (at === 0) {
        pieces.push([entry.page + '#' + id, word, 'b'],
                    ' (' + entry.page + ', ' + entry.count + ') ');
      } else {
        pieces.push(null, [entry.page + '#' + id, entry.page],
                    ' (' + entry.count + ') ');
      }
      pieces.push([data.s + '#' + id + '_' + numbers[at], stem], ' ',
                  [data.c + '#' + entry.page, 'Content']);
      if (at === 0) {
        pieces.push(' ', [data.mp[partOf(data.mf, Number(id.slice(2)))] + '#' + id, 'index']);
        if (data.site) {
          pieces.push(' ', [webSearchHref(data.host, phrase, data.site), data.site, 'web']);
        }
      }
    });
    return pieces;
  }

  // A main-index entry's groups, "i_G (N), ...": each a link to the word
  // on the group's word-index page.
  function mainIndexPieces(id, text) {
    var pieces = [];
    var pattern = /([^ ,()]+) \(([0-9]+)\)/g;
    var found;
    while ((found = pattern.exec(text)) !== null) {
      pieces.push(pieces.length === 0 ? ' ' : ', ', [found[1] + '.htm#' + id, found[0]]);
    }
    return pieces;
  }

  // The sort key of a word in the main index: its UTF-8 bytes, ASCII
  // letters lower-cased, as if a double quote followed it.
  var encoder = typeof TextEncoder === 'function' ? new TextEncoder() : null;
  function sortKey(word) {
    return encoder.encode(asciiLower(word) + '"');
  }
  function compareKeys(a, b) {
    var n = Math.min(a.length, b.length);
    for (var i = 0; i < n; i++) {
      if (a[i] !== b[i]) return a[i] - b[i];
    }
    return a.length - b.length;
  }

  // The word box: the page of the main index to open for a typed word,
  // the last whose first word does not sort after it (`firstWords` in the
  // order of the pages); and on that page, the entry of the word, or of the
  // first word that sorts after it (`words` in the order of the entries).
  function pickPart(firstWords, typed) {
    var key = sortKey(typed);
    var pick = 0;
    for (var i = 1; i < firstWords.length; i++) {
      if (compareKeys(sortKey(firstWords[i]), key) > 0) break;
      pick = i;
    }
    return pick;
  }
  function findEntry(words, typed) {
    var key = sortKey(typed);
    var low = 0, high = words.length;
    while (low < high) {
      var middle = (low + high) >> 1;
      if (compareKeys(sortKey(words[middle]), key) < 0) low = middle + 1; else high = middle;
    }
    if (low === words.length) return { at: words.length - 1, found: false };
    return { at: low, found: compareKeys(sortKey(words[low]), key) === 0 };
  }

  if (typeof module === 'object' && module.exports) {
    module.exports = {
      asciiLower: asciiLower, wordId: wordId, queryEncode: queryEncode,
      webSearchHref: webSearchHref, partOf: partOf, parseHash: parseHash,
      partPassesOn: partPassesOn, parseWordRecords: parseWordRecords,
      numberOccurrences: numberOccurrences, stripLinks: stripLinks,
      numberSearchWords: numberSearchWords, parseEntries: parseEntries,
      searchLinePieces: searchLinePieces, wordIndexPieces: wordIndexPieces,
      mainIndexPieces: mainIndexPieces,
      sortKey: sortKey, compareKeys: compareKeys, pickPart: pickPart,
      findEntry: findEntry
    };
  }
  if (typeof document !== 'object') return;

  /* ---------------------------------------------------------------------
   * On a page
   * ------------------------------------------------------------------- */

  function link(href, text, className) {
    var a = document.createElement('a');
    a.href = href;
    a.textContent = text;
    if (className) a.className = className;
    return a;
  }

  // The pieces as nodes.
  function build(pieces) {
    var content = document.createDocumentFragment();
    pieces.forEach(function (piece) {
      if (piece === null) {
        content.append(document.createElement('br'));
      } else if (typeof piece === 'string') {
        content.append(piece);
      } else if (piece[2] === 'b') {
        var b = document.createElement('b');
        b.append(link(piece[0], piece[1]));
        content.append(b);
      } else {
        var a = link(piece[0], piece[1], piece[2]);
        if (piece[3]) a.id = piece[3];
        content.append(a);
      }
    });
    return content;
  }

  function readJson(id) {
    var element = document.getElementById(id);
    if (!element) return null;
    try { return JSON.parse(element.textContent); } catch (e) { return null; }
  }

  // A line for screen readers, said when it changes.
  var said = null;
  function say(text) {
    if (!said) {
      said = document.createElement('p');
      said.className = 'sr';
      said.setAttribute('aria-live', 'polite');
      (document.querySelector('main') || document.body).appendChild(said);
    }
    said.textContent = text;
  }

  // Runs `render` for each block as it comes near the screen (all at once
  // where the browser cannot tell). The blocks near the screen when the
  // page starts are rendered at once, before the page is first drawn: an
  // observer reports only after a frame, and until then they would stay
  // hidden. Their boxes are all read before any is rendered, so the page is
  // laid out once for them.
  function onScreen(blocks, render) {
    if (typeof IntersectionObserver !== 'function') {
      for (var i = 0; i < blocks.length; i++) render(blocks[i]);
      return;
    }
    var margin = 600;
    var near = blocks.filter(function (block) {
      var box = block.getBoundingClientRect();
      return box.bottom > -margin && box.top < window.innerHeight + margin;
    });
    near.forEach(render);
    var observer = new IntersectionObserver(function (seen) {
      seen.forEach(function (entry) {
        if (!entry.isIntersecting) return;
        observer.unobserve(entry.target);
        render(entry.target);
      });
    }, { rootMargin: margin + 'px 0px' });
    for (var j = 0; j < blocks.length; j++) {
      if (near.indexOf(blocks[j]) < 0) observer.observe(blocks[j]);
    }
  }

  // A page cut into parts ends each but its last with a link to the next.
  // A word or occurrence this part does not hold is passed on, forward
  // only (a fragment no part holds ends at the last part), over the parts
  // after it by their record files (partPassesOn), a few bytes each instead
  // of a whole part, to the first that may hold it. A record that cannot be
  // read (a file missing, scripts from files blocked) leaves the link to
  // that part, which looks again.
  function passOn() {
    var next = document.getElementById('next-part');
    if (!next) return;
    var hash = location.hash;
    (function follow(part) {
      var element = document.createElement('script');
      var answered = false;
      var land = function () { location.replace(part + hash); };
      window.docbasePart = function (after, holds) {
        answered = true;
        element.remove();
        if (after && partPassesOn(holds, hash)) follow(after); else land();
      };
      element.onload = function () { if (!answered) land(); };
      element.onerror = land;
      element.src = part.replace(/\.htm$/, '.js');
      document.head.appendChild(element);
    })(next.getAttribute('href'));
  }

  function scrollTo(element) {
    if (element && element.scrollIntoView) {
      element.scrollIntoView({ block: 'center' });
    }
  }

  /* Annotated pages -------------------------------------------------- */

  function annotatedPage(page) {
    var data = readJson('page-words');
    if (!data) return;
    var records = parseWordRecords(data.w);
    var how = page.querySelector('.how');
    if (how) how.hidden = false;
    var text = document.getElementById('text');
    var numbered = null;  // {elements, places, byName, last}
    var strip = null;
    var current = null;
    var marked = [];

    // The record of the word of id `id`: the words' first occurrences carry
    // their ids, in the order of the records.
    function recordOf(id) {
      var firsts = page.querySelectorAll('b[id]');
      var at = 0;
      for (var i = 0; i < firsts.length; i++) {
        if (!/^id[0-9]+$/.test(firsts[i].id)) continue;
        if (firsts[i].id === id) return records[at];
        at++;
      }
      return null;
    }

    function number() {
      if (numbered) return numbered;
      var elements = Array.prototype.slice.call(page.querySelectorAll('b'));
      var places = numberOccurrences(elements.map(function (b) {
        return { id: b.id, text: b.textContent, opaque: b.className === 'o' };
      }), records);
      var byName = Object.create(null);
      var last = Object.create(null);
      var order = Object.create(null);  // id -> index of its record
      var words = 0;
      places.forEach(function (place, i) {
        if (!place) return;
        byName[place.id + '_' + place.k] = i;
        if (!(place.id in byName)) byName[place.id] = i;
        if (!(place.id in last) || place.k > last[place.id]) {
          last[place.id] = place.k;
        }
        if (!(place.id in order)) order[place.id] = words++;
      });
      numbered = {
        elements: elements, places: places, byName: byName, last: last,
        order: order
      };
      return numbered;
    }

    // Gives the element of an occurrence the anchor "idN_K", so that the
    // fragment names it; the first occurrence keeps the word id and takes
    // the anchor on its text.
    function anchor(element, name) {
      if (!element.id) { element.id = name; return; }
      if (element.id === name || document.getElementById(name)) return;
      var inner = document.createElement('span');
      inner.id = name;
      while (element.firstChild) inner.appendChild(element.firstChild);
      element.appendChild(inner);
    }

    function closeStrip() {
      if (strip) { strip.remove(); strip = null; }
    }

    function mark(id) {
      marked.forEach(function (b) { b.classList.remove('same', 'here'); });
      marked = [];
      var n = number();
      n.places.forEach(function (place, i) {
        if (place && place.id === id) {
          n.elements[i].classList.add('same');
          marked.push(n.elements[i]);
        }
      });
    }

    // Shows occurrence i: marks the word's occurrences, puts the strip after
    // it and, when asked, gives the strip the focus.
    function showAt(i, focusStrip) {
      var n = number();
      var place = n.places[i];
      var element = n.elements[i];
      closeStrip();
      mark(place.id);
      element.classList.add('here');
      if (current) current.tabIndex = -1;
      current = element;
      element.tabIndex = 0;
      anchor(element, place.id + '_' + place.k);
      var record = records[n.order[place.id]];
      if (!record || !record.strip) {
        say(element.textContent + ', occurrence ' + place.k);
        return;
      }
      var nextPage = record.next >= 0 && data.n ? data.n[record.next] : '';
      var links = stripLinks(data, place.id, place.k, n.last[place.id],
                             nextPage, record.more,
                             function (name) { return name in n.byName; });
      strip = document.createElement('span');
      strip.className = 'strip';
      strip.setAttribute('role', 'group');
      strip.setAttribute('aria-label', 'Links of ' + element.textContent);
      strip.append('(' + place.k + ')(');
      links.forEach(function (pair, at) {
        if (at > 0) strip.append(', ');
        strip.append(link(pair[0], pair[1]));
      });
      strip.append(')');
      element.after(strip);
      say('Links of ' + element.textContent + ', occurrence ' + place.k +
          ': ' + links.map(function (pair) { return pair[1]; }).join(', '));
      if (focusStrip) strip.querySelector('a').focus();
    }

    // The page at the fragment: the occurrence or word it names. One this
    // part of a long page does not hold is in a later part: passed on.
    function showHash() {
      var place = parseHash(location.hash);
      if (!place) { closeStrip(); return; }
      // A word's first occurrence in a part carries its id: a part without
      // it, or whose last occurrence of it comes before the one looked
      // for, is passed over before its words are numbered.
      if (!document.getElementById(place.id)) { passOn(); return; }
      var record = place.k ? recordOf(place.id) : null;
      if (record && record.more && record.highest > 0 &&
          place.k > record.highest) {
        passOn();
        return;
      }
      var i = number().byName[place.k ? place.name : place.id];
      if (i === undefined) { passOn(); return; }
      showAt(i, false);
      scrollTo(number().elements[i]);
    }

    // Moves to occurrence i without a new history entry.
    function go(i, focusStrip) {
      var place = number().places[i];
      if (!place) return;
      history.replaceState(null, '', '#' + place.id + '_' + place.k);
      showAt(i, focusStrip);
    }

    page.addEventListener('click', function (event) {
      var target = event.target;
      var a = target.closest ? target.closest('a') : null;
      if (a && strip && strip.contains(a) && a.getAttribute('href').charAt(0) === '#') {
        // The next occurrence on the page: moved to in place.
        event.preventDefault();
        var to = number().byName[a.getAttribute('href').slice(1)];
        if (to !== undefined) { go(to, true); scrollTo(number().elements[to]); }
        return;
      }
      var b = target.closest ? target.closest('b') : null;
      if (!b || !page.contains(b)) return;
      var selection = window.getSelection ? window.getSelection() : null;
      if (selection && !selection.isCollapsed) return;  // text being selected
      go(number().elements.indexOf(b), false);
    });
    page.addEventListener('keydown', function (event) {
      var target = event.target;
      if (event.key === 'Escape' && current) {
        closeStrip();
        current.focus();
        return;
      }
      if (target.tagName !== 'B') return;
      var n = number();
      var i = n.elements.indexOf(target);
      var step = event.key === 'ArrowRight' ? 1 :
          event.key === 'ArrowLeft' ? -1 : 0;
      if (step !== 0) {
        var to = n.elements[i + step];
        if (!to) return;
        event.preventDefault();
        target.tabIndex = -1;
        to.tabIndex = 0;
        current = to;
        to.focus();
      } else if (event.key === 'Enter' || event.key === ' ') {
        event.preventDefault();
        go(i, true);
      }
    });
    if (text) {
      // The text takes the keyboard at its first word.
      var first = text.querySelector('b');
      if (first) first.tabIndex = 0;
    }
    window.addEventListener('hashchange', showHash);
    if (location.hash) showHash();
  }

  /* Search pages ----------------------------------------------------- */

  function searchPage(data, blocks) {
    // Each block's lines, numbered: {p, words: [{text, id, k}]}; made in
    // order of the blocks, as a page's words count on from block to block.
    var done = [];
    var state = null;
    var page = '';

    function lineWords(p) {
      var words = [];
      for (var node = p.firstChild; node; node = node.nextSibling) {
        if (node.nodeType === 3) {
          node.data.split(' ').forEach(function (text) {
            if (text !== '') words.push({ text: text });
          });
        } else if (node.nodeType === 1) {
          words.push({ text: node.textContent,
                       explicit: node.getAttribute('data-w') });
        }
      }
      return words;
    }

    function numberUpTo(index) {
      while (done.length <= index) {
        var block = blocks[done.length];
        var heading = block.querySelector('h2 a');
        if (heading || !state) {
          page = heading ? heading.getAttribute('href') : '';
          state = { words: Object.create(null) };
        }
        state.records = (block.getAttribute('data-w') || '').split(' ');
        state.next = 0;
        var lines = [];
        var paragraphs = block.querySelectorAll('p');
        for (var i = 0; i < paragraphs.length; i++) {
          var words = lineWords(paragraphs[i]);
          var places = numberSearchWords(words, state);
          lines.push({
            p: paragraphs[i], page: page,
            words: words.map(function (word, at) {
              return { text: word.text, id: places[at].id, k: places[at].k };
            })
          });
        }
        done.push({ lines: lines, rendered: false });
      }
      return done[index];
    }

    function render(block) {
      var index = blocks.indexOf(block);
      var numbered = numberUpTo(index);
      if (numbered.rendered) return;
      numbered.rendered = true;
      block.classList.add('done');
      numbered.lines.forEach(function (line) {
        var p = line.p;
        var phrase = p.getAttribute('data-e') ||
            queryEncode(p.hasAttribute('data-q') ? p.getAttribute('data-q') :
                line.words.map(function (w) { return w.text; }).join(' ') + ' ');
        var content = build(searchLinePieces(data, line.words, line.page, phrase, {
          goesOn: p.hasAttribute('data-c'), first: p.getAttribute('data-f')
        }));
        p.textContent = '';
        p.appendChild(content);
      });
    }

    // The block holding occurrence "idN_K".
    function find(name) {
      for (var i = 0; i < blocks.length; i++) {
        var lines = numberUpTo(i).lines;
        for (var j = 0; j < lines.length; j++) {
          var words = lines[j].words;
          for (var w = 0; w < words.length; w++) {
            if (words[w].id + '_' + words[w].k === name) return blocks[i];
          }
        }
      }
      return null;
    }

    // Whether the word of id `id` is on this page (or part): every word of
    // a part has a record of its own there, in a block's or a word's
    // data-w ("N.K", N the id's number).
    function holdsWord(id) {
      var token = Number(id.slice(2)) + '.';
      for (var i = 0; i < blocks.length; i++) {
        var records = ' ' + (blocks[i].getAttribute('data-w') || '');
        if (records.indexOf(' ' + token) >= 0) return true;
      }
      return document.querySelector('[data-w^="' + token + '"]') !== null;
    }

    function showHash() {
      var place = parseHash(location.hash);
      if (!place || !place.k || document.getElementById(place.name)) return;
      // A part without the word is passed over before it is numbered.
      if (!holdsWord(place.id)) { passOn(); return; }
      var block = find(place.name);
      if (!block) { passOn(); return; }
      render(block);
      var target = document.getElementById(place.name);
      if (target) {
        target.classList.add('found');
        scrollTo(target);
      }
    }

    showHash();
    window.addEventListener('hashchange', showHash);
    onScreen(blocks, render);
  }

  // Each entry of a list block (a paragraph with the word id, its word in
  // <b> and the text after it) whose links are not made yet, given to
  // `make`; the block and the entry are marked done.
  function eachNewEntry(block, make) {
    block.classList.add('done');
    var paragraphs = block.querySelectorAll('p[id]');
    for (var i = 0; i < paragraphs.length; i++) {
      var p = paragraphs[i];
      var word = p.querySelector('b');
      var rest = word && word.nextSibling;
      if (!rest || rest.nodeType !== 3 || p.hasAttribute('data-done')) continue;
      p.setAttribute('data-done', '');
      make(p, word, rest);
    }
  }

  /* Word-index pages ------------------------------------------------- */

  function wordIndexPage(data, blocks) {
    function render(block) {
      eachNewEntry(block, function (p, word, rest) {
        var id = p.id;
        var numbers = (p.getAttribute('data-k') || '').split(' ');
        var phrase = p.getAttribute('data-e') || queryEncode(word.textContent);
        var content = build(wordIndexPieces(data, id, word.textContent, numbers,
                                            parseEntries(rest.data), phrase));
        p.textContent = '';
        p.appendChild(content);
      });
    }
    var target = parseHash(location.hash);
    if (target) {
      var p = document.getElementById(target.name);
      if (p) render(p.closest('.blk')); else passOn();
    }
    onScreen(blocks, render);
  }

  /* Main-index pages and the front page ------------------------------ */

  function mainIndexPage(blocks) {
    function render(block) {
      eachNewEntry(block, function (p, word, rest) {
        var content = build(mainIndexPieces(p.id, rest.data));
        rest.remove();
        p.appendChild(content);
      });
    }
    onScreen(blocks, render);
    findOnPage();
    window.addEventListener('hashchange', findOnPage);
  }

  // "#find=WORD" (from the word box): the entry of the word, or, when it is
  // not in the document base, the entry after where it would stand, and a
  // line that says so.
  function findOnPage() {
    var hash = location.hash;
    if (hash.indexOf('#find=') !== 0) return;
    var typed;
    try { typed = decodeURIComponent(hash.substring(6)); } catch (e) { return; }
    var entries = document.querySelectorAll('main p[id]');
    if (entries.length === 0) return;
    var words = Array.prototype.map.call(entries, function (p) {
      return p.querySelector('b').textContent;
    });
    var place = findEntry(words, typed);
    var low = place.at;
    var marked = document.querySelectorAll('main p.found');
    for (var i = 0; i < marked.length; i++) marked[i].classList.remove('found');
    var entry = entries[low];
    entry.classList.add('found');
    var note = document.getElementById('not-found');
    if (!place.found) {
      if (!note) {
        note = document.createElement('p');
        note.id = 'not-found';
        note.setAttribute('role', 'status');
        var main = document.querySelector('main');
        main.insertBefore(note, main.firstChild);
      }
      // The words on either side, as links to their entries: a word of the
      // index may end in a comma or a full stop of its own.
      note.textContent = '\u201c' + typed + '\u201d is not in this document ' +
          'base. Nearest:';
      [low - 1, low].forEach(function (at) {
        if (at >= 0) note.append(' ', link('#' + entries[at].id, words[at]));
      });
    } else if (note) {
      note.remove();
    }
    history.replaceState(null, '', '#' + entry.id);
    scrollTo(entry);
  }

  function frontPage(form) {
    // A link to a word of the classic main index ("index.htm#ID") goes on
    // to the page that holds the word: the last whose first id is not
    // above it.
    var ranges = document.querySelectorAll('.ranges a[data-id]');
    var wanted = /^#id(\d+)$/.exec(location.hash);
    if (wanted && ranges.length > 0) {
      var pick = ranges[0];
      for (var i = 1; i < ranges.length; i++) {
        if (Number(ranges[i].getAttribute('data-id').substring(2)) >
            Number(wanted[1])) break;
        pick = ranges[i];
      }
      location.replace(pick.getAttribute('href') + location.hash);
      return;
    }
    form.addEventListener('submit', function (event) {
      event.preventDefault();
      var word = form.elements.word.value.trim();
      var parts = document.querySelectorAll('.ranges a[data-first]');
      if (word === '' || parts.length === 0) return;
      var choice = parts[pickPart(Array.prototype.map.call(parts, function (a) {
        return a.getAttribute('data-first');
      }), word)];
      location.href = choice.getAttribute('href') + '#find=' +
          encodeURIComponent(word);
    });
  }

  function start() {
    var page = document.querySelector('div.page');
    if (page) { annotatedPage(page); return; }
    var form = document.getElementById('find');
    if (form) { frontPage(form); return; }
    var data = readJson('list-data');
    var blocks = Array.prototype.slice.call(document.querySelectorAll('main .blk'));
    if (data && document.querySelector('.blk.sp')) searchPage(data, blocks);
    else if (data) wordIndexPage(data, blocks);
    else if (document.querySelector('.blk.mi')) mainIndexPage(blocks);
  }

  if (document.readyState === 'loading') {
    document.addEventListener('DOMContentLoaded', start);
  } else {
    start();
  }
})();
