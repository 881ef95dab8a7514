// Checks a modern document base as its script makes it, without a browser:
// the links the pages carry and the links and anchors the script adds
// (made by the script's own functions, from the docbase.js the run wrote).
//
//   node modern_site_check.js MODERN_HTM_OUT [CLASSIC_HTM_OUT]
//
// - every local link, in a page or made by the script, lands: its page
//   exists and its fragment names an element of that page, or an
//   occurrence the script anchors there;
// - with the classic pages of the same texts and group size: every word and
//   occurrence id of a classic annotated page is there to land on in the
//   modern page,
//   and the strip of every classic occurrence has the classic strip's
//   links (the classic strip's link of the last occurrence to itself
//   aside).
//
// A long page may go on in parts ("page_N_2.htm", "s_G_2.htm", ...): the
// script passes a word or occurrence a part does not hold on to the next
// part, and so does this check; with the classic pages, a page's parts are
// compared as one page. The script passes a link over the parts whose
// record files ("page_N_2.js", ...) say they do not hold it: it must stop
// where the link lands.
//
// Prints what does not hold, the link that walks over the most parts, then
// "N passed, M failed"; exits 1 on any.
//
// Two passes over the pages, so that a large base fits in memory: the
// first learns what each page offers to land on (an occurrence anchor
// "idN_K" kept as a number), the second makes each page's links and checks
// them at once.
'use strict';
const fs = require('node:fs');
const path = require('node:path');

const [modernDir, classicDir] = process.argv.slice(2);
const script = require(path.resolve(modernDir, 'docbase.js'));

let passed = 0;
const failures = [];
function check(ok, what) {
  if (ok) passed++; else failures.push(what);
}

function unescape(text) {
  return text.replace(/&lt;/g, '<').replace(/&gt;/g, '>')
      .replace(/&quot;/g, '"').replace(/&amp;/g, '&');
}
// The page's bytes as the browser reads them (UTF-8).
function readText(dir, name) {
  return fs.readFileSync(path.join(dir, name), 'utf8');
}
function json(page, id) {
  const found = new RegExp('<script type="application/json" id="' + id +
                           '">([^<]*)</script>').exec(page);
  return found ? JSON.parse(found[1]) : null;
}
// The names a page offers to land on: "idN_K" as the number N * 2^26 + K
// (exact below 2^53), any other name as it is.
class Names {
  constructor() { this.numbers = new Set(); this.others = new Set(); }
  static number(name) {
    const parts = /^id([0-9]+)_([0-9]+)$/.exec(name);
    if (!parts || parts[1].length > 8 || Number(parts[2]) >= 2 ** 26) return null;
    return Number(parts[1]) * 2 ** 26 + Number(parts[2]);
  }
  add(name) {
    const number = Names.number(name);
    if (number === null) this.others.add(name); else this.numbers.add(number);
  }
  has(name) {
    const number = Names.number(name);
    return number === null ? this.others.has(name) : this.numbers.has(number);
  }
}

function nativeIds(page) {
  const ids = new Names();
  if (!learning) return ids;
  for (const found of page.matchAll(/\sid="([^"]*)"/g)) ids.add(unescape(found[1]));
  return ids;
}

// The first pass learns the names, the second checks the links.
let learning = true;
let local = 0;
const landable = new Map();  // page -> Names
const strips = new Map();    // page -> Map(name -> links), with the classic pages
const nextPart = new Map();  // part of a page -> the part after it
const cutLineParts = new Set();  // parts holding a piece of a cut line
const recordOf = new Map();  // part after the first -> its record
// The link that passes over the most parts before it lands.
let longestWalk = { parts: 0, from: '', href: '' };

// The names a page offers over all its parts.
function landsOnPage(name, fragment) {
  for (let part = name; part; part = nextPart.get(part)) {
    if (landable.get(part).has(fragment)) return true;
  }
  return false;
}

// A link found or made on page `from`, checked in the second pass.
function link(from, href) {
  if (learning || /^[a-z]+:/.test(href)) return;  // web searches, details link
  local++;
  const hash = href.indexOf('#');
  const target = hash < 0 ? href : href.slice(0, hash) || from;
  const fragment = hash < 0 ? '' : href.slice(hash + 1);
  if (target === 'docbase.css' || target === 'docbase.js') {
    check(fs.existsSync(path.join(modernDir, target)), from + ': ' + href);
    return;
  }
  // A word or occurrence a part does not hold is looked for in the parts
  // after it, as the script does.
  let part = target;
  let passedOn = 0;
  while (fragment !== '' && landable.has(part) && !landable.get(part).has(fragment) &&
         /^id[0-9]+(_[0-9]+)?$/.test(fragment) && nextPart.has(part)) {
    part = nextPart.get(part);
    passedOn++;
  }
  if (passedOn > longestWalk.parts) longestWalk = { parts: passedOn, from, href };
  // From a part that does not hold it, the script passes the link over
  // the parts whose record files do not hold it either; the part it stops
  // at looks again. It must end where the link lands, and stop short of it
  // only in a part that holds a piece of a cut line: a line numbers a
  // word's spellings apart, so its occurrences in a part are not one run.
  if (/^id[0-9]+(_[0-9]+)?$/.test(fragment) && recordOf.has(nextPart.get(target))) {
    let at = target;
    for (let loads = 0; at !== part && loads <= 1000; loads++) {
      if (at !== target) {
        check(cutLineParts.has(at),
              from + ': ' + href + ' is kept in ' + at + ', not passed on to ' + part);
      }
      if (landable.get(at).has(fragment) || !nextPart.has(at)) break;
      at = nextPart.get(at);
      while (recordOf.get(at).x !== '' && recordPassesOn(recordOf.get(at), fragment)) {
        at = recordOf.get(at).x;
      }
    }
    check(at === part, from + ': ' + href + ' is passed on to ' + at + ', not ' + part);
  }
  const names = landable.get(part);
  check(names !== undefined && (fragment === '' || names.has(fragment)),
        from + ': ' + href + ' does not land');
}

// The record file of a part after the first, {x: the next part or "",
// holds: what it says the part holds}, as the script reads it; `held`, its
// words read once: by the number of a word id, the highest occurrence the
// part holds (Infinity: all that are left).
function readRecord(part) {
  const file = path.join(modernDir, part.replace(/\.htm$/, '.js'));
  const found = fs.existsSync(file) &&
      /^docbasePart\(("[^"]*"),(\{[^}]*\})\);\r\n$/.exec(fs.readFileSync(file, 'utf8'));
  check(found, part + ': no record file');
  const record = found ? { x: JSON.parse(found[1]), holds: JSON.parse(found[2]) }
                       : { x: '', holds: {} };
  record.held = new Map();
  for (const entry of (record.holds.s || record.holds.w || '').split(' ')) {
    const [, number, highest] = /^([0-9]+)(?:[.+]([0-9]+))?$/.exec(entry) || [];
    if (number) record.held.set(Number(number), highest ? Number(highest) : Infinity);
  }
  return record;
}
// Whether the script passes "idN" or "idN_K" over a part by its record: as
// partPassesOn decides, from the record read once (one link in a thousand
// is asked of the script itself too).
let recordLooks = 0;
function recordPassesOn(record, fragment) {
  const [, number, k] = /^id([0-9]+)(?:_([0-9]+))?$/.exec(fragment).map((n) => Number(n || 0));
  const passes = record.holds.l !== undefined ? number > record.holds.l
      : !record.held.has(number) || (k > 0 && k > record.held.get(number));
  if (recordLooks++ % 1000 === 0) {
    check(script.partPassesOn(record.holds, '#' + fragment) === passes,
          'the script reads the record for ' + fragment + ' otherwise');
  }
  return passes;
}

function annotated(name, page) {
  const data = json(page, 'page-words');
  const records = script.parseWordRecords(data.w);
  // The <b> elements in the order they open, each with its text (a page
  // of the program's own markup may hold words inside its own <b>).
  const items = [];
  const open = [];
  for (const tag of page.matchAll(/<b( id="([^"]*)")?( class="o")?>|<\/b>/g)) {
    if (tag[0] === '</b>') {
      const item = open.pop();
      if (item) item.text = unescape(page.slice(item.from, tag.index).replace(/<[^>]*>/g, ''));
    } else {
      const item = { id: tag[2] || '', opaque: Boolean(tag[3]), from: tag.index + tag[0].length };
      items.push(item);
      open.push(item);
    }
  }
  const places = script.numberOccurrences(items, records);
  const textPage = page.includes('<div class="page text"');
  const names = nativeIds(page);
  const last = {};
  const order = {};
  let words = 0;
  places.forEach((place, i) => {
    // A page of the program's own markup may have a <b> of its own.
    if (!learning) {
      check(place !== null || (!textPage && !items[i].id),
            name + ': occurrence ' + i + ' not numbered');
    }
    if (!place) return;
    if (learning) names.add(place.id + '_' + place.k);
    if (!(place.id in last) || place.k > last[place.id]) last[place.id] = place.k;
    if (!(place.id in order)) order[place.id] = words++;
  });
  if (learning) {
    landable.set(name, names);
    if (data.f) cutLineParts.add(name);
    return;
  }
  // A word that goes on in a later part names its last occurrence in this
  // one, where the script passes a link to a later occurrence on.
  for (const id of Object.keys(order)) {
    const record = records[order[id]];
    if (!record || !record.more) continue;
    check(record.highest === last[id],
          name + ': ' + id + ' ends at ' + last[id] + ' here, its record says ' +
          record.highest);
  }
  // Part N of page_M.htm is page_M_N.htm.
  const whole = name.replace(/^(page_[0-9]+)_[0-9]+\.htm$/, '$1.htm');
  if (!strips.has(whole)) strips.set(whole, new Map());
  const pageStrips = strips.get(whole);
  const held = new Set(places.filter(Boolean).map((place) => place.id + '_' + place.k));
  places.forEach((place) => {
    if (!place) return;
    const record = records[order[place.id]];
    if (!record.strip) return;
    const next = record.next >= 0 ? data.n[record.next] : '';
    const made = script.stripLinks(data, place.id, place.k, last[place.id], next,
                                   record.more, (anchor) => held.has(anchor));
    // The next occurrence in another part is, for the classic page, on the
    // same page.
    if (classicDir) {
      const inPart = (href, part) => part && href.startsWith(part + '#');
      pageStrips.set(place.id + '_' + place.k,
                     made.map((l) => inPart(l[0], data.p) || inPart(l[0], data.f)
                                   ? l[0].slice(l[0].indexOf('#')) : l[0]));
    }
    for (const [href] of made) link(name, href);
  });
}

function searchPage(name, page) {
  const data = json(page, 'list-data');
  const names = nativeIds(page);
  let linePage = '';
  let state = null;
  for (const block of page.matchAll(/<div class="blk sp" data-w="([^"]*)">([\s\S]*?)<\/div>/g)) {
    const body = block[2];
    const heading = /<h2><a href="([^"]*)">/.exec(body);
    if (heading || !state) {
      linePage = heading ? unescape(heading[1]) : '';
      state = { words: Object.create(null) };
    }
    state.records = block[1].split(' ');
    state.next = 0;
    const linePattern =
        /<p( data-c)?( data-f="([^"]*)")?( data-e="([^"]*)")?( data-q="([^"]*)")?>([\s\S]*?)<\/p>/g;
    for (const line of body.matchAll(linePattern)) {
      const words = [];
      for (const piece of line[8].matchAll(/<b data-w="([^"]*)">([\s\S]*?)<\/b>|([^ <]+)/g)) {
        if (piece[1]) words.push({ text: unescape(piece[2]), explicit: piece[1] });
        else words.push({ text: unescape(piece[3]) });
      }
      const places = script.numberSearchWords(words, state);
      const numbered = words.map((w, i) => ({ text: w.text, id: places[i].id, k: places[i].k }));
      const phrase = line[5] || script.queryEncode(
          line[6] ? unescape(line[7]) : numbered.map((w) => w.text).join(' ') + ' ');
      const pieces = script.searchLinePieces(data, numbered, linePage, phrase,
                                             { goesOn: Boolean(line[1]), first: line[3] });
      for (const piece of pieces) {
        if (!Array.isArray(piece)) continue;
        link(name, piece[0]);
        if (piece[3] && learning) names.add(piece[3]);
      }
    }
  }
  if (learning) {
    landable.set(name, names);
    if (/<p data-[cf]/.test(page)) cutLineParts.add(name);
  }
}

function wordIndexPage(name, page) {
  const data = json(page, 'list-data');
  for (const p of page.matchAll(/<p id="([^"]*)" data-k="([^"]*)"( data-e="([^"]*)")?><b>([\s\S]*?)<\/b>([^<]*)<\/p>/g)) {
    const word = unescape(p[5]);
    const phrase = p[4] || script.queryEncode(word);
    const entries = script.parseEntries(p[6]);
    if (learning) continue;
    check(entries.length === p[2].split(' ').length, name + '#' + p[1] + ': entries and numbers');
    for (const piece of script.wordIndexPieces(data, p[1], word, p[2].split(' '), entries, phrase)) {
      if (Array.isArray(piece)) link(name, piece[0]);
    }
  }
  if (learning) landable.set(name, nativeIds(page));
}

function mainIndexPage(name, page) {
  for (const p of page.matchAll(/<p id="([^"]*)"><b>[\s\S]*?<\/b>([^<]*)<\/p>/g)) {
    if (learning) continue;
    for (const piece of script.mainIndexPieces(p[1], p[2])) {
      if (Array.isArray(piece)) link(name, piece[0]);
    }
  }
  if (learning) landable.set(name, nativeIds(page));
}

const pageNames = fs.readdirSync(modernDir).filter((n) => n.endsWith('.htm')).sort();
for (const pass of ['learn', 'check']) {
  learning = pass === 'learn';
  for (const name of pageNames) {
    const page = readText(modernDir, name);
    const next = /<a id="next-part" href="([^"]*)"/.exec(page);
    if (learning && next) nextPart.set(name, unescape(next[1]));
    if (learning && next) recordOf.set(unescape(next[1]), readRecord(unescape(next[1])));
    if (!learning) {
      for (const found of page.matchAll(/\shref="([^"]*)"/g)) link(name, unescape(found[1]));
    }
    if (page.includes('id="page-words"')) annotated(name, page);
    else if (page.includes('class="blk sp"')) searchPage(name, page);
    else if (page.includes('id="list-data"')) wordIndexPage(name, page);
    else if (page.includes('class="blk mi"')) mainIndexPage(name, page);
    else if (learning) landable.set(name, nativeIds(page));
  }
  // Each record names the part after its own, as the part does.
  if (learning) {
    for (const [part, record] of recordOf) {
      check(record.x === (nextPart.get(part) || ''),
            part + ': its record names ' + record.x + ' next');
    }
  }
}

if (classicDir) {
  let classicStrips = 0;
  for (const name of fs.readdirSync(classicDir)) {
    if (!/^page_.*\.htm$/.test(name)) continue;
    const classic = readText(classicDir, name);
    // The ids the program gives (a text's own markup is shown, not kept,
    // in the modern pages).
    for (const found of classic.matchAll(/id ?= ?"(id[0-9]+(?:_[0-9]+)?)"/g)) {
      check(landable.has(name) && landsOnPage(name, found[1]),
            name + ': classic id ' + found[1] + ' missing');
    }
    const made = strips.get(name) || new Map();
    const stripPattern = /<span hidden id="(id[0-9]+)">\r\n\(([0-9]+)\)([\s\S]*?)<\/span>/g;
    for (const found of classic.matchAll(stripPattern)) {
      classicStrips++;
      const occurrence = found[1] + '_' + found[2];
      const expected = [...found[3].matchAll(/href="([^"]*)"/g)].map((h) => h[1])
          .filter((href) => href !== '#' + occurrence);
      const modern = made.get(occurrence);
      check(modern !== undefined &&
            JSON.stringify(modern) === JSON.stringify(expected),
            name + ': strip of ' + occurrence + ': ' + JSON.stringify(modern) +
            ' for ' + JSON.stringify(expected));
    }
  }
  check(classicStrips > 0, 'no classic strip compared');
}
check(local > 0, 'no local link');

for (const failure of failures.slice(0, 50)) console.log('FAIL: ' + failure);
if (failures.length > 50) console.log('... and ' + (failures.length - 50) + ' more');
if (longestWalk.parts > 0) {
  console.log('longest walk over parts: ' + longestWalk.parts + ' (' + longestWalk.from +
              ': ' + longestWalk.href + ')');
}
console.log(local + ' local links; ' + passed + ' passed, ' + failures.length + ' failed');
process.exit(failures.length > 0 ? 1 : 0);
