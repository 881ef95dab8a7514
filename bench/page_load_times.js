// Opens pages of a finished document base in headless Chromium or Firefox,
// one at a time in a fresh tab, and prints how long each takes to load
// (from the start of navigation to its load event and the next frame drawn
// after it) with its size. Driven by bench/page_load_bench.sh, which
// installs playwright-core (Chromium) and puppeteer-core (Firefox, over
// WebDriver BiDi) and names the pages; a page that has not loaded within
// the timeout is shown as such.
// With ROUNDS above 1 every page is loaded that many times, a round over
// all pages after the other (one slow moment of the browser or the machine
// then hits one load, not every load of a page), and the table gives the
// median and the slowest load of each page. MODE "fresh" loads every page
// in a browser started for it (see main); "shared" loads them all, one
// after the other, in one browser.
//
//   node page_load_times.js HTM_OUT TIMEOUT_SECONDS ROUNDS MODE BROWSER PAGE...
//
// BROWSER: chromium (Debian's /usr/bin/chromium) or firefox (Debian's
// /usr/bin/firefox-esr).
//
// A PAGE may carry a fragment (page_02.htm#id00000012): the page is then
// opened at that word, as a reader's double-click does.
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');

let browserName = 'chromium';

// A browser with a profile of its own; close() also removes the profile.
// `context.newPage()` opens a tab.
async function launch() {
  if (browserName === 'firefox') return launchFirefox();
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'docbase_profile_'));
  const { chromium } = require('playwright-core');
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic',
           '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync'],
  });
  return {
    context,
    close: async () => {
      await context.close();
      fs.rmSync(profile, { recursive: true, force: true });
    },
  };
}

async function launchFirefox() {
  const puppeteer = require('puppeteer-core');
  const browser = await puppeteer.launch({
    browser: 'firefox',
    executablePath: '/usr/bin/firefox-esr',
    headless: true,
    protocol: 'webDriverBiDi',
    args: ['--no-remote'],
  });
  return { context: browser, close: () => browser.close() };
}

// Seconds from the start of navigation to the load event of `url` in a
// fresh tab of `context` and the next frame after it; Infinity when it has
// not loaded within `timeout`.
async function timeLoad(context, url, timeout) {
  const tab = await context.newPage();
  const start = process.hrtime.bigint();
  let seconds = Infinity;
  try {
    await tab.goto(url, { waitUntil: 'load', timeout });
    await tab.evaluate(
        () => new Promise((done) => requestAnimationFrame(() => done())));
    seconds = Number(process.hrtime.bigint() - start) / 1e9;
  } catch (error) {
  }
  await tab.close({ runBeforeUnload: false });
  return seconds;
}

async function main() {
  const [folder, timeoutText, roundsText, mode, browser, ...pages] =
      process.argv.slice(2);
  browserName = browser;
  const timeout = Number(timeoutText) * 1000;
  const rounds = Math.max(1, Number(roundsText));
  const url = (page) => 'file://' + path.join(folder, page);
  // seconds[i]: the load times of pages[i].
  const seconds = pages.map(() => []);
  if (mode === 'fresh') {
    // Every load in a browser of its own, started and warmed up with a small
    // page of the same folder, as a reader's browser is already running:
    // what one page costs, apart from what the pages before it left behind.
    for (let round = 0; round < rounds; ++round) {
      for (let i = 0; i < pages.length; ++i) {
        const browser = await launch();
        try {
          await timeLoad(browser.context, url('files_list.htm'), timeout);
          seconds[i].push(await timeLoad(browser.context, url(pages[i]),
                                         timeout));
        } finally {
          await browser.close();
        }
      }
    }
  } else {
    const browser = await launch();
    try {
      for (let round = 0; round < rounds; ++round) {
        for (let i = 0; i < pages.length; ++i) {
          seconds[i].push(await timeLoad(browser.context, url(pages[i]),
                                         timeout));
        }
      }
    } finally {
      await browser.close();
    }
  }
  const shown = (time) =>
      Number.isFinite(time) ? time.toFixed(2) : '> ' + timeoutText;
  console.log('page'.padEnd(34) + 'size MB'.padStart(9) +
              (rounds > 1 ? 'median s'.padStart(10) + 'slowest s'.padStart(11)
                          : 'load s'.padStart(9)));
  let slowestMedian = 0;
  let slowestGroupPage = 0;  // of the word-index and search pages
  for (let i = 0; i < pages.length; ++i) {
    const megabytes = fs.statSync(path.join(folder, pages[i].split('#')[0]))
                          .size / 1e6;
    const times = seconds[i].slice().sort((a, b) => a - b);
    const median = times[Math.floor((times.length - 1) / 2)];
    slowestMedian = Math.max(slowestMedian, median);
    if (/^[is]_[0-9]+\.htm$/.test(pages[i])) {
      slowestGroupPage = Math.max(slowestGroupPage, median);
    }
    console.log(pages[i].padEnd(34) + megabytes.toFixed(2).padStart(9) +
                (rounds > 1 ? shown(median).padStart(10) +
                                  shown(times[times.length - 1]).padStart(11)
                            : shown(median).padStart(9)));
  }
  const summary = (time) =>
      Number.isFinite(time) ? time.toFixed(2) + ' s' : 'a page did not load';
  const label = rounds > 1 ? 'slowest median' : 'slowest';
  console.log(label + ': ' + summary(slowestMedian));
  console.log(label + ' of the i_ and s_ pages: ' + summary(slowestGroupPage));
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
