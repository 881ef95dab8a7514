// Opens pages of a finished document base in headless Chromium, one at a
// time in a fresh tab, and prints how long each takes to load (from the
// start of navigation to its load event) with its size. Driven by
// bench/page_load_bench.sh, which installs playwright-core and names the
// pages; a page that has not loaded within the timeout is shown as such.
//
//   node page_load_times.js HTM_OUT TIMEOUT_SECONDS PAGE...
//
// A PAGE may carry a fragment (page_02.htm#id00000012): the page is then
// opened at that word, as a reader's double-click does.
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const { chromium } = require('playwright-core');

async function main() {
  const [folder, timeoutText, ...pages] = process.argv.slice(2);
  const timeout = Number(timeoutText) * 1000;
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'docbase_profile_'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic',
           '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync'],
  });
  console.log('page'.padEnd(34) + 'size MB'.padStart(9) + 'load s'.padStart(9));
  let slowest = 0;
  try {
    for (const page of pages) {
      const file = path.join(folder, page.split('#')[0]);
      const megabytes = fs.statSync(file).size / 1e6;
      const tab = await context.newPage();
      const start = process.hrtime.bigint();
      let shown;
      try {
        await tab.goto('file://' + path.join(folder, page),
                       { waitUntil: 'load', timeout });
        const seconds = Number(process.hrtime.bigint() - start) / 1e9;
        slowest = Math.max(slowest, seconds);
        shown = seconds.toFixed(2);
      } catch (error) {
        slowest = Infinity;
        shown = '> ' + timeoutText + ' (not loaded)';
      }
      console.log(page.padEnd(34) + megabytes.toFixed(2).padStart(9) +
                  shown.padStart(9));
      await tab.close({ runBeforeUnload: false });
    }
  } finally {
    await context.close();
    fs.rmSync(profile, { recursive: true, force: true });
  }
  console.log('slowest: ' +
              (Number.isFinite(slowest) ? slowest.toFixed(2) + ' s'
                                        : 'a page did not load'));
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
