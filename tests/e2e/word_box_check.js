// Runs the script of the modern layout (its file is the first argument)
// against stand-ins of the main index pages, for the words of the
// second argument (one per line, in the order of the word ids): each word
// is its own main-index page on the front page, and all of them are the
// entries of one main-index page. Every word, typed as it is and with its
// ASCII letters in upper case, must open the page it starts, and there
// land on its own entry; and the front page opened at a word id goes on to
// the page holding it. Prints the failures; exits 1 on any.
'use strict';
const fs = require('fs');
const [scriptPath, wordsPath] = process.argv.slice(2);
const words = fs.readFileSync(wordsPath, 'utf8').split('\n').filter((w) => w);

let submit = null;
let hashChange = null;
let opened = null;
let replaced = null;
const form = {
  elements: { word: { value: '' } },
  addEventListener: (type, handler) => { if (type === 'submit') submit = handler; },
};
// Page i + 1 starts at word id 10 i.
const ranges = words.map((word, i) => ({
  getAttribute: (name) => (name === 'href' ? `index_${i + 1}.htm`
                           : name === 'data-id' ? 'id' + String(10 * i).padStart(8, '0')
                           : word),
}));
const entries = words.map((word, i) => ({
  id: `id${i}`,
  firstElementChild: { textContent: word },
  classList: { add: () => {}, remove: () => {} },
}));
global.document = {
  readyState: 'complete',
  getElementById: (id) => (id === 'find' ? form : null),
  // No annotated page: the script's part for those stops at once.
  querySelector: () => null,
  querySelectorAll: (selector) =>
      (selector.indexOf('.ranges') === 0 ? ranges
                                         : selector === 'main p[id]' ? entries : []),
  addEventListener: () => {},
};
// Opened as a classic main-index link to word id 25: on to page 3.
global.location = {
  hash: '#id00000025',
  set href(value) { opened = value; },
  replace: (value) => { replaced = value; },
};
global.window = {
  addEventListener: (type, handler) => { if (type === 'hashchange') hashChange = handler; },
};
eval(fs.readFileSync(scriptPath, 'utf8'));

let failures = 0;
if (words.length >= 3 && replaced !== 'index_3.htm#id00000025') {
  console.log(`index.htm#id00000025 went on to ${replaced}, not index_3.htm`);
  ++failures;
}
words.forEach((word, i) => {
  const upper = word.replace(/[a-z]+/g, (s) => s.toUpperCase());
  for (const typed of new Set([word, upper])) {
    opened = null;
    form.elements.word.value = typed;
    submit({ preventDefault: () => {} });
    const hash = '#find=' + encodeURIComponent(typed);
    if (opened !== `index_${i + 1}.htm${hash}`) {
      console.log(`${JSON.stringify(typed)} opened ${opened}, not index_${i + 1}.htm`);
      ++failures;
    }
    replaced = null;
    location.hash = hash;
    hashChange();
    if (replaced !== `#id${i}`) {
      console.log(`${JSON.stringify(typed)} landed on ${replaced}, not #id${i}`);
      ++failures;
    }
  }
});
process.exit(failures === 0 ? 0 : 1);
