// Unit tests of the page-free functions of the modern layout's script: how
// it numbers the occurrences of an annotated page and of a search page
// from the pages' small records, the strip it builds, which occurrence a
// fragment names, and the links it makes for the list pages. Run with
// `node --test`.
'use strict';
const assert = require('node:assert/strict');
const path = require('node:path');
const test = require('node:test');

const script = require(path.join(__dirname, '../../src/html/modern/docbase.js'));

// An annotated page: "sun" first (number 4, on to page n[0]), a plain
// "Sun" counted on from it, "moon" (number 9, no strip), an occurrence of
// "sun" numbered out of the page's order ("SUN", number 3, carries its
// anchor), and a last "sun".
const records = script.parseWordRecords('4.0 9-');
const items = [
  { id: 'id00000012', text: 'sun' },
  { id: '', text: 'Sun' },
  { id: 'id00000040', text: 'moon' },
  { id: 'id00000012_3', text: 'SUN' },
  { id: '', text: 'sUn' },
];

test('an annotated page numbers its occurrences from the records', () => {
  assert.deepEqual(records, [{ k: 4, next: 0, more: false, highest: 0, strip: true },
                             { k: 9, next: -1, more: false, highest: 0, strip: false }]);
  assert.deepEqual(script.numberOccurrences(items, records), [
    { id: 'id00000012', k: 4 }, { id: 'id00000012', k: 5 },
    { id: 'id00000040', k: 9 }, { id: 'id00000012', k: 3 },
    { id: 'id00000012', k: 7 }]);
});

test('a word whose text is not its own, or not on the page, is not guessed', () => {
  const places = script.numberOccurrences([
    { id: 'id00000012', text: '\ufffd', opaque: true },
    { id: '', text: '\ufffd' }, { id: '', text: 'stranger' }], records);
  assert.deepEqual(places.slice(1), [null, null]);
});

test('the strip: next occurrence, indexes, contents, next page', () => {
  const data = { i: 'i_1.htm', s: 's_1.htm', c: 'files_list.htm' };
  assert.deepEqual(script.stripLinks(data, 'id12', 3, 5, 'page_03.htm'), [
    ['#id12_4', '>'], ['i_1.htm#id12', 'i'], ['s_1.htm#id12_3', 's'],
    ['files_list.htm', 'c'], ['page_03.htm#id12', '>>']]);
  // The last occurrence on the page, on no further page.
  assert.deepEqual(script.stripLinks(data, 'id12', 5, 5, '').map((l) => l[1]),
                   ['i', 's', 'c']);
});

test('a page in parts: the last occurrence of a part leads on to the next', () => {
  // "+H": on in a later part, H its last occurrence in this one.
  assert.deepEqual(script.parseWordRecords('4.1+5- 9+12 7+'), [
    { k: 4, next: 1, more: true, highest: 5, strip: false },
    { k: 9, next: -1, more: true, highest: 12, strip: true },
    { k: 7, next: -1, more: true, highest: 0, strip: true }]);
  const data = { i: 'i_1.htm', s: 's_1.htm', c: 'files_list.htm', p: 'page_03_2.htm' };
  assert.deepEqual(script.stripLinks(data, 'id12', 5, 5, '', true)[0],
                   ['page_03_2.htm#id12_6', '>']);
  assert.deepEqual(script.stripLinks(data, 'id12', 4, 5, '', true)[0], ['#id12_5', '>']);
  assert.equal(script.stripLinks(data, 'id12', 5, 5, '', false)[0][1], 'i');
});

test('a part that goes on passes on what its head says it lacks', () => {
  // Word 12 occurs again later (its last here is 5); word 40 ends here.
  const words = { x: 'page_03_2.htm', w: '40 12+5 7' };
  assert.equal(script.partPassesOn(words, '#id00000012_5'), false);
  assert.equal(script.partPassesOn(words, '#id00000012_6'), true);
  assert.equal(script.partPassesOn(words, '#id00000012'), false);
  assert.equal(script.partPassesOn(words, '#id00000040_99'), false);
  // Word 1 and word 120 are not here, though "12" and "40" hold their digits.
  assert.equal(script.partPassesOn(words, '#id00000001_3'), true);
  assert.equal(script.partPassesOn(words, '#id00000120'), true);
  assert.equal(script.partPassesOn(words, '#find=x'), false);
  // A word-index part ends at word 40.
  assert.equal(script.partPassesOn({ x: 'i_1_2.htm', l: 40 }, '#id00000040'), false);
  assert.equal(script.partPassesOn({ x: 'i_1_2.htm', l: 40 }, '#id00000041'), true);
  // A search part's record: word 12 up to occurrence 5, word 40 up to 7.
  const record = { s: '12.5 40.7' };
  assert.equal(script.partPassesOn(record, '#id00000012_5'), false);
  assert.equal(script.partPassesOn(record, '#id00000012_6'), true);
  assert.equal(script.partPassesOn(record, '#id00000040_7'), false);
  assert.equal(script.partPassesOn(record, '#id00000001_1'), true);
  assert.equal(script.partPassesOn(record, '#id00000120_1'), true);
  assert.equal(script.partPassesOn({ s: '' }, '#id00000012_1'), true);
});

test('a part with a piece of a cut line: a next occurrence it lacks is sought from the first part', () => {
  const data = { i: 'i_1.htm', s: 's_1.htm', c: 'files_list.htm', p: 'page_03_3.htm',
                 f: 'page_03.htm' };
  const held = (anchor) => anchor === 'id12_5';
  assert.deepEqual(script.stripLinks(data, 'id12', 4, 9, '', true, held)[0], ['#id12_5', '>']);
  // Occurrence 7 is in an earlier part or a later one: either is reached
  // from the first part on.
  assert.deepEqual(script.stripLinks(data, 'id12', 6, 9, '', false, held)[0],
                   ['page_03.htm#id12_7', '>']);
  assert.deepEqual(script.stripLinks(data, 'id12', 9, 9, '', true, held)[0],
                   ['page_03.htm#id12_10', '>']);
  assert.equal(script.stripLinks(data, 'id12', 9, 9, '', false, held)[0][1], 'i');
});

test('a fragment names a word, an occurrence, or nothing', () => {
  assert.deepEqual(script.parseHash('#id12'), { name: 'id12', id: 'id12', k: 0 });
  assert.deepEqual(script.parseHash('#%69d12_3'), { name: 'id12_3', id: 'id12', k: 3 });
  for (const hash of ['', '#', '#id12_', '#id_3', '#id12_3x', '#find=id12',
                      '#id12%', '#ID12_3']) {
    assert.equal(script.parseHash(hash), null, hash);
  }
});

test('a search page numbers its words page by page from the blocks', () => {
  const state = { words: Object.create(null), records: ['12.4', '40.1'], next: 0 };
  const line = [{ text: 'Sun' }, { text: 'moon' }, { text: 'sun' },
                { text: 'b\ufffdd', explicit: '77.2' }];
  assert.deepEqual(script.numberSearchWords(line, state), [
    { id: 'id00000012', k: 4 }, { id: 'id00000040', k: 1 },
    { id: 'id00000012', k: 5 }, { id: 'id00000077', k: 2 }]);
  // The next block of the same page counts on.
  state.records = [];
  state.next = 0;
  assert.deepEqual(script.numberSearchWords([{ text: 'SUN' }], state),
                   [{ id: 'id00000012', k: 6 }]);
});

test('the links of the list pages', () => {
  const data = { i: 'i_2.htm', s: 's_2.htm', c: 'files_list.htm',
                 host: 'www.google.com', addr: 'www.a.org', site: 'a.org',
                 mf: [0, 50], mp: ['index_1.htm', 'index_2.htm'] };
  const words = [{ text: 'x&y', id: 'id00000060', k: 2 }];
  const phrase = script.queryEncode('x&y ');
  assert.deepEqual(script.searchLinePieces(data, words, 'p1.htm', phrase)
      .filter(Array.isArray), [
    ['i_2.htm#id00000060', 'x&y', '', 'id00000060_2'],
    ['i_2.htm#id00000060', 'i_2', 'l'],
    ['index_2.htm#id00000060', 'index'],
    ['files_list.htm#p1.htm', 'Content (p1.htm)'],
    ['http://www.google.com/search?q=x%26y%20%20site%3Awww.a.org', 'www.a.org', 'web'],
    ['http://www.google.com/search?q=x%26y%20%20site%3Aa.org', 'a.org', 'web'],
    ['http://www.google.com/search?q=x%26y%20', 'web search', 'web']]);
  // The pieces of a long line: words only, then the line's links at its
  // first word.
  assert.deepEqual(script.searchLinePieces(data, words, 'p1.htm', phrase, { goesOn: true })
      .filter(Array.isArray), [['i_2.htm#id00000060', 'x&y', '', 'id00000060_2']]);
  assert.deepEqual(script.searchLinePieces(data, words, 'p1.htm', phrase, { first: '7' })
      .filter(Array.isArray).slice(1, 3), [
    ['i_2.htm#id00000007', 'i_2', 'l'], ['index_1.htm#id00000007', 'index']]);
  const entries = script.parseEntries(' p1.htm (3), p2.htm (1)');
  assert.deepEqual(entries, [{ page: 'p1.htm', count: '3' }, { page: 'p2.htm', count: '1' }]);
  assert.deepEqual(script.wordIndexPieces(data, 'id00000007', 'r\u00e9', ['5', '9'],
                                          entries, script.queryEncode('r\u00e9'))
      .filter(Array.isArray).map((l) => l[0]), [
    'p1.htm#id00000007', 's_2.htm#id00000007_5', 'files_list.htm#p1.htm',
    'index_1.htm#id00000007', 'http://www.google.com/search?q=r%C3%A9%20site%3Aa.org',
    'p2.htm#id00000007', 's_2.htm#id00000007_9', 'files_list.htm#p2.htm']);
  assert.deepEqual(script.mainIndexPieces('id00000007', ' i_1 (3), i_12 (1)'), [
    ' ', ['i_1.htm#id00000007', 'i_1 (3)'], ', ', ['i_12.htm#id00000007', 'i_12 (1)']]);
});

test('the word box picks the page and the entry, or says it is not there', () => {
  const words = ['abc!', 'abc', 'Abd', 'zebra'];
  assert.equal(script.pickPart(words, 'ABC'), 1);
  assert.equal(script.pickPart(words, 'aaa'), 0);
  assert.deepEqual(script.findEntry(words, 'ABD'), { at: 2, found: true });
  assert.deepEqual(script.findEntry(words, 'abcz'), { at: 2, found: false });
  assert.deepEqual(script.findEntry(words, 'zz'), { at: 3, found: false });
});
