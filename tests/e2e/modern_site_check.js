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
// Prints what does not hold, then "N passed, M failed"; exits 1 on any.
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
function nativeIds(page) {
  const ids = new Set();
  for (const found of page.matchAll(/\sid="([^"]*)"/g)) ids.add(unescape(found[1]));
  return ids;
}

// What each page offers to land on, and the links found or made.
const landable = new Map();  // page -> Set of names
const links = [];            // [from, href]
const strips = new Map();    // page -> Map(name -> links)

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
    check(place !== null || (!textPage && !items[i].id),
          name + ': occurrence ' + i + ' not numbered');
    if (!place) return;
    names.add(place.id + '_' + place.k);
    if (!(place.id in last) || place.k > last[place.id]) last[place.id] = place.k;
    if (!(place.id in order)) order[place.id] = words++;
  });
  const pageStrips = new Map();
  places.forEach((place) => {
    if (!place) return;
    const record = records[order[place.id]];
    if (!record.strip) return;
    const next = record.next >= 0 ? data.n[record.next] : '';
    const made = script.stripLinks(data, place.id, place.k, last[place.id], next);
    pageStrips.set(place.id + '_' + place.k, made.map((l) => l[0]));
    for (const [href] of made) links.push([name, href]);
  });
  strips.set(name, pageStrips);
  landable.set(name, names);
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
    for (const line of body.matchAll(/<p( data-e="([^"]*)")?( data-q="([^"]*)")?>([\s\S]*?)<\/p>/g)) {
      const words = [];
      for (const piece of line[5].matchAll(/<b data-w="([^"]*)">([\s\S]*?)<\/b>|([^ <]+)/g)) {
        if (piece[1]) words.push({ text: unescape(piece[2]), explicit: piece[1] });
        else words.push({ text: unescape(piece[3]) });
      }
      const places = script.numberSearchWords(words, state);
      const numbered = words.map((w, i) => ({ text: w.text, id: places[i].id, k: places[i].k }));
      const phrase = line[2] || script.queryEncode(
          line[3] ? unescape(line[4]) : numbered.map((w) => w.text).join(' ') + ' ');
      for (const piece of script.searchLinePieces(data, numbered, linePage, phrase)) {
        if (!Array.isArray(piece)) continue;
        links.push([name, piece[0]]);
        if (piece[3]) names.add(piece[3]);
      }
    }
  }
  landable.set(name, names);
}

function wordIndexPage(name, page) {
  const data = json(page, 'list-data');
  for (const p of page.matchAll(/<p id="([^"]*)" data-k="([^"]*)"( data-e="([^"]*)")?><b>([\s\S]*?)<\/b>([^<]*)<\/p>/g)) {
    const word = unescape(p[5]);
    const phrase = p[4] || script.queryEncode(word);
    const entries = script.parseEntries(p[6]);
    check(entries.length === p[2].split(' ').length, name + '#' + p[1] + ': entries and numbers');
    for (const piece of script.wordIndexPieces(data, p[1], word, p[2].split(' '), entries, phrase)) {
      if (Array.isArray(piece)) links.push([name, piece[0]]);
    }
  }
  landable.set(name, nativeIds(page));
}

function mainIndexPage(name, page) {
  for (const p of page.matchAll(/<p id="([^"]*)"><b>[\s\S]*?<\/b>([^<]*)<\/p>/g)) {
    for (const piece of script.mainIndexPieces(p[1], p[2])) {
      if (Array.isArray(piece)) links.push([name, piece[0]]);
    }
  }
  landable.set(name, nativeIds(page));
}

for (const name of fs.readdirSync(modernDir).sort()) {
  if (!name.endsWith('.htm')) continue;
  const page = readText(modernDir, name);
  for (const found of page.matchAll(/\shref="([^"]*)"/g)) links.push([name, unescape(found[1])]);
  if (page.includes('id="page-words"')) annotated(name, page);
  else if (page.includes('class="blk sp"')) searchPage(name, page);
  else if (page.includes('id="list-data"')) wordIndexPage(name, page);
  else if (page.includes('class="blk mi"')) mainIndexPage(name, page);
  else landable.set(name, nativeIds(page));
}

let local = 0;
for (const [from, href] of links) {
  if (/^[a-z]+:/.test(href)) continue;  // web searches and the details link
  local++;
  const hash = href.indexOf('#');
  const target = hash < 0 ? href : href.slice(0, hash) || from;
  const fragment = hash < 0 ? '' : href.slice(hash + 1);
  const names = landable.get(target);
  if (target === 'docbase.css' || target === 'docbase.js') {
    check(fs.existsSync(path.join(modernDir, target)), from + ': ' + href);
    continue;
  }
  check(names !== undefined && (fragment === '' || names.has(fragment)),
        from + ': ' + href + ' does not land');
}

if (classicDir) {
  let classicStrips = 0;
  for (const name of fs.readdirSync(classicDir)) {
    if (!/^page_.*\.htm$/.test(name)) continue;
    const classic = readText(classicDir, name);
    const names = landable.get(name) || new Set();
    // The ids the program gives (a text's own markup is shown, not kept,
    // in the modern pages).
    for (const found of classic.matchAll(/id ?= ?"(id[0-9]+(?:_[0-9]+)?)"/g)) {
      check(names.has(found[1]), name + ': classic id ' + found[1] + ' missing');
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
console.log(local + ' local links; ' + passed + ' passed, ' + failures.length + ' failed');
process.exit(failures.length > 0 ? 1 : 0);
