// Unit tests of the page-free functions of the modern layout's script:
// which occurrence a fragment names, and the links of the strip built from
// a page's word records. Run with `node --test`.
'use strict';
const assert = require('node:assert/strict');
const path = require('node:path');
const test = require('node:test');

const { readRecords, parseHash, stripLinks } =
    require(path.join(__dirname, '../../src/html/modern/docbase.js'));

// Word records as a page carries them, line ends and all: id12 occurs up
// to its 5th occurrence on this page and again on page_03.htm; id40 ends
// on this page with its 2nd.
const records = readRecords(
    '{"index":"i_1.htm","search":"s_1.htm","contents":"files_list.htm",' +
    '"words":{\r\n"id12":[5,"page_03.htm"],\r\n"id40":[2,""]}}');

test('the strip of #id12_3: next occurrence, indexes, contents, next page', () => {
  const place = parseHash('#id12_3');
  assert.deepEqual(place, { name: 'id12_3', id: 'id12', occurrence: true });
  assert.deepEqual(stripLinks(records, place.id, 3), [
    ['#id12_4', '>'], ['i_1.htm#id12', 'i'], ['s_1.htm#id12_3', 's'],
    ['files_list.htm', 'c'], ['page_03.htm#id12', '>>']]);
});

test('the last occurrence on the page has no next one', () => {
  assert.deepEqual(stripLinks(records, 'id12', 5).map((l) => l[1]),
                   ['i', 's', 'c', '>>']);
  assert.deepEqual(stripLinks(records, 'id40', 2).map((l) => l[1]),
                   ['i', 's', 'c']);
});

test('a word the records do not hold has no strip', () => {
  assert.equal(stripLinks(records, 'id99', 1), null);
  assert.equal(stripLinks(readRecords('not JSON'), 'id12', 3), null);
});

test('a fragment names a word, an occurrence, or nothing', () => {
  assert.deepEqual(parseHash('#id12'),
                   { name: 'id12', id: 'id12', occurrence: false });
  assert.deepEqual(parseHash('#%69d12_3'),
                   { name: 'id12_3', id: 'id12', occurrence: true });
  for (const hash of ['', '#', '#id12_', '#id_3', '#id12_3x', '#find=id12',
                      '#id12%', '#ID12_3']) {
    assert.equal(parseHash(hash), null, hash);
  }
});
