// The system's Chromium under playwright-core, for the reader checks of the
// modern pages: launched headless from /usr/bin/chromium (or $CHROMIUM),
// never a downloaded browser, in a fresh profile, without any network of
// its own; and the few facts about a document base the checks pick their
// pages by.
'use strict';
const fs = require('node:fs');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { chromium } = require('playwright-core');

const executablePath = process.env.CHROMIUM || '/usr/bin/chromium';

function launch() {
  return chromium.launch({
    executablePath,
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
           '--disable-component-update', '--disable-sync', '--disable-quic',
           '--no-first-run'],
  });
}

// The desktop and the phone the checks read as.
const desktop = { viewport: { width: 1280, height: 800 } };
const phone = {
  viewport: { width: 412, height: 915 }, deviceScaleFactor: 2.625,
  hasTouch: true, isMobile: true,
};

function fileUrl(dir, name, fragment) {
  return pathToFileURL(path.join(dir, name)).href + (fragment || '');
}

// The largest page of each kind of a modern document base, by bytes:
// {kind: name}.
function largestPages(dir) {
  const kinds = {
    front: /^index\.htm$/, 'main index': /^index_[0-9]+\.htm$/,
    'word index': /^i_[0-9]+\.htm$/, search: /^s_[0-9]+\.htm$/,
    annotated: /^page_.*\.htm$/, contents: /^files_list\.htm$/,
  };
  const largest = {};
  const sizes = {};
  for (const name of fs.readdirSync(dir)) {
    const size = fs.statSync(path.join(dir, name)).size;
    for (const [kind, pattern] of Object.entries(kinds)) {
      if (pattern.test(name) && !(sizes[kind] >= size)) {
        largest[kind] = name;
        sizes[kind] = size;
      }
    }
  }
  return largest;
}

// A page script that makes every block at once, as the script does where
// the browser has no IntersectionObserver.
const withoutObserver = 'delete window.IntersectionObserver;';

module.exports = { launch, desktop, phone, fileUrl, largestPages, withoutObserver };
