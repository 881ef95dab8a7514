// Runs the word box of the modern layout's script (its file is the first
// argument) for the words of the second argument (one per line, in the
// order of the word ids): each word is the first of a main-index page of
// its own, and all of them are the entries of one main-index page. Every
// word, typed as it is and with its ASCII letters in upper case, must pick
// the page it starts and there its own entry, found. Prints the failures;
// exits 1 on any.
'use strict';
const fs = require('fs');
const path = require('path');
const [scriptPath, wordsPath] = process.argv.slice(2);
const words = fs.readFileSync(wordsPath, 'utf8').split('\n').filter((w) => w);
const { pickPart, findEntry, partOf } = require(path.resolve(scriptPath));

let failures = 0;
function expect(ok, what) {
  if (!ok) {
    console.log(what);
    ++failures;
  }
}
words.forEach((word, i) => {
  const upper = word.replace(/[a-z]+/g, (s) => s.toUpperCase());
  for (const typed of new Set([word, upper])) {
    expect(pickPart(words, typed) === i,
           `${JSON.stringify(typed)} picked page ${pickPart(words, typed)}, not ${i}`);
    const place = findEntry(words, typed);
    expect(place.at === i && place.found,
           `${JSON.stringify(typed)} found ${JSON.stringify(place)}, not entry ${i}`);
  }
});
// A link to word number 25 of the classic main index, pages starting at
// word numbers 0, 10, 20, ...: the third page.
expect(partOf(words.map((w, i) => 10 * i), 25) === 2, 'word 25 not on page 3');
process.exit(failures === 0 ? 0 : 1);
