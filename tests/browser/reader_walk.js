// A reader's walk through modern document bases in Chromium: by keyboard
// at desktop size, by touch at phone size, through pages made from texts
// full of markup characters, and through the front page's word box.
//
//   node reader_walk.js SAMPLE_HTM_OUT MARKUP_HTM_OUT MARKUP_TXT_IN
//
// Prints "ok: ..." per step that holds and "FAIL: ..." per one that does
// not; exits 1 on any failure.
'use strict';
const fs = require('node:fs');
const path = require('node:path');
const { launch, desktop, phone, fileUrl } = require('./browser.js');

const [sampleDir, markupDir, markupTexts] = process.argv.slice(2);
let failures = 0;
function check(ok, what) {
  console.log((ok ? 'ok: ' : 'FAIL: ') + what);
  if (!ok) failures++;
}

/* What the page shows of the reader's place, read in the page. */

// The focused element and whether its focus can be seen.
function focusState(page) {
  return page.evaluate(() => {
    const a = document.activeElement;
    if (!a || a === document.body) return { tag: '' };
    const style = getComputedStyle(a);
    const words = Array.from(document.querySelectorAll('div.page b'));
    return {
      tag: a.tagName, text: a.textContent, word: words.indexOf(a),
      firstOfText: a === document.querySelector('#text b'),
      inStrip: Boolean(a.closest('.strip')),
      outlined: style.outlineStyle !== 'none' && parseFloat(style.outlineWidth) > 0,
    };
  });
}

// The open strip, if any: the word it follows and its links, with their
// boxes; the page's fragment and history length.
function stripState(page) {
  return page.evaluate(() => {
    const strips = document.querySelectorAll('.strip');
    const strip = strips[0];
    const words = Array.from(document.querySelectorAll('div.page b'));
    const state = { count: strips.length, hash: location.hash, history: history.length };
    if (!strip) return state;
    const word = strip.previousElementSibling;
    state.word = words.indexOf(word);
    state.wordMarked = Boolean(word && word.classList.contains('here'));
    state.role = strip.getAttribute('role');
    state.links = Array.from(strip.querySelectorAll('a')).map((a) => {
      const box = a.getBoundingClientRect();
      return { text: a.textContent, href: a.getAttribute('href'),
               width: box.width, height: box.height };
    });
    return state;
  });
}

// The element the page's fragment names, once the page has loaded: whether
// it exists, is marked (the script's classes, or :target with a style of
// its own) and can be seen.
function landing(page) {
  return page.evaluate(() => {
    let name = location.hash.slice(1);
    try { name = decodeURIComponent(name); } catch (e) { /* kept */ }
    const element = name ? document.getElementById(name) : null;
    if (!element) return { name, exists: false };
    const style = getComputedStyle(element);
    const box = element.getBoundingClientRect();
    return {
      name, exists: true,
      marked: element.classList.contains('here') || element.classList.contains('found') ||
          (element.matches(':target') && (style.backgroundColor !== 'rgba(0, 0, 0, 0)' ||
                                         Number(style.fontWeight) >= 700)),
      seen: box.bottom > 0 && box.top < innerHeight,
    };
  });
}

function hashOf(href) {
  return href.slice(href.indexOf('#'));
}
function bumped(hash) {  // "#idN_K" -> "#idN_K+1"
  const parts = /^#(id[0-9]+)_([0-9]+)$/.exec(hash);
  return parts ? '#' + parts[1] + '_' + (Number(parts[2]) + 1) : null;
}

/* By keyboard */

// Tab from the top of a freshly opened page to the text's first word,
// then ArrowRight `steps` times.
async function keyToWord(page, steps, report) {
  let state = { tag: '' };
  for (let tabs = 0; tabs < 40 && !state.firstOfText; tabs++) {
    await page.keyboard.press('Tab');
    state = await focusState(page);
  }
  if (report) {
    check(state.firstOfText, 'keyboard: Tab reaches the first word of the text ("' +
          state.text + '")');
    check(state.outlined, 'keyboard: the focused word has a visible outline');
  }
  for (let i = 0; i < steps; i++) await page.keyboard.press('ArrowRight');
  return focusState(page);
}

// Tab within the open strip to its link `text`.
async function keyToLink(page, text) {
  let state = await focusState(page);
  for (let tabs = 0; tabs < 6 && !(state.inStrip && state.text === text); tabs++) {
    await page.keyboard.press('Tab');
    state = await focusState(page);
  }
  return state;
}

// The first word of the page's text, counted over the page's words, whose
// strip has both a next occurrence and a next page; found by keyboard,
// opening and closing each word's strip in turn.
async function findWalkWord(page) {
  const start = await keyToWord(page, 0, true);
  await page.keyboard.press('ArrowRight');
  const moved = await focusState(page);
  check(moved.word === start.word + 1 && moved.outlined,
        'keyboard: ArrowRight moves to the next word ("' + moved.text + '"), outlined');
  await page.keyboard.press('ArrowLeft');
  const back = await focusState(page);
  check(back.word === start.word && back.outlined,
        'keyboard: ArrowLeft moves back, outlined');
  for (let steps = 0; steps < 400; steps++) {
    await page.keyboard.press('Enter');
    const strip = await stripState(page);
    const texts = (strip.links || []).map((link) => link.text);
    if (texts.includes('>') && texts.includes('>>')) {
      return { steps, word: start.word + steps, strip };
    }
    await page.keyboard.press('Escape');
    await page.keyboard.press('ArrowRight');
  }
  return null;
}

async function keyboardWalk(browser, name) {
  const context = await browser.newContext(desktop);
  let page = await context.newPage();
  await page.goto(fileUrl(sampleDir, name));
  const found = await findWalkWord(page);
  check(found !== null, 'keyboard: a word of ' + name + ' with a next occurrence and a next page');
  if (!found) { await context.close(); return null; }
  const { steps, word, strip } = found;
  const focus = await focusState(page);
  check(strip.count === 1 && strip.word === word && strip.wordMarked &&
        strip.role === 'group',
        'keyboard: Enter opens the strip of word ' + word + ' (' + strip.hash + '), marked');
  check(focus.inStrip && focus.text === strip.links[0].text && focus.outlined,
        'keyboard: the strip\'s first link has the focus, outlined');
  check(/^#id[0-9]+_[0-9]+$/.test(strip.hash), 'keyboard: the URL names the occurrence');

  // ">": the next occurrence, in place of the history entry.
  await keyToLink(page, '>');
  await page.keyboard.press('Enter');
  const next = await stripState(page);
  const nextFocus = await focusState(page);
  check(next.hash === bumped(strip.hash) && next.history === strip.history,
        'keyboard: ">" goes to ' + next.hash + ', history length ' + next.history +
        ' unchanged');
  check(next.count === 1 && next.wordMarked && nextFocus.inStrip && nextFocus.outlined,
        'keyboard: the next occurrence is marked, its strip focused');
  const land = await landing(page);
  check(land.exists && land.marked && land.seen,
        'keyboard: ' + next.hash + ' exists, is marked and on screen');
  await page.keyboard.press('Escape');
  const closed = await stripState(page);
  const back = await focusState(page);
  check(closed.count === 0 && back.word === next.word && back.outlined,
        'keyboard: Escape closes the strip, the focus back on its word, outlined');
  await page.close();

  // "i", "s" and ">>", each from a freshly opened page.
  for (const text of ['i', 's', '>>']) {
    page = await context.newPage();
    await page.goto(fileUrl(sampleDir, name));
    await keyToWord(page, steps, false);
    await page.keyboard.press('Enter');
    const link = await keyToLink(page, text);
    check(link.inStrip && link.outlined, 'keyboard: "' + text + '" focused, outlined');
    const href = strip.links.find((l) => l.text === text).href;
    await Promise.all([page.waitForURL((url) => url.href.includes(href)),
                       page.keyboard.press('Enter')]);
    await page.waitForLoadState('load');
    const landed = await landing(page);
    check(landed.exists && landed.marked && landed.seen,
          'keyboard: "' + text + '" opens ' + href + ': the element exists, is marked' +
          ' and on screen');
    await page.close();
  }
  await context.close();
  return found;
}

/* By touch */

async function tapWord(page, word) {
  await page.locator('div.page b').nth(word).tap();
  return stripState(page);
}

async function touchWalk(browser, name, word) {
  const context = await browser.newContext(phone);
  let page = await context.newPage();
  await page.goto(fileUrl(sampleDir, name));
  const strip = await tapWord(page, word);
  check(strip.count === 1 && strip.word === word && strip.wordMarked,
        'touch: one tap on word ' + word + ' opens its strip (' + strip.hash + ')');
  const small = (strip.links || []).filter((l) => l.width < 24 || l.height < 24);
  check(strip.links && small.length === 0,
        'touch: the strip\'s links are at least 24x24 px (' +
        (strip.links || []).map((l) => l.text + ' ' + l.width.toFixed(1) + 'x' +
                                l.height.toFixed(1)).join(', ') + ')');
  await page.locator('.strip a', { hasText: /^>$/ }).tap();
  const next = await stripState(page);
  check(next.hash === bumped(strip.hash) && next.history === strip.history &&
        next.wordMarked,
        'touch: ">" goes to ' + next.hash + ', history length unchanged, marked');
  await page.close();

  for (const text of ['i', 's', '>>']) {
    page = await context.newPage();
    await page.goto(fileUrl(sampleDir, name));
    const opened = await tapWord(page, word);
    const href = opened.links.find((l) => l.text === text).href;
    await Promise.all([page.waitForURL((url) => url.href.includes(href)),
                       page.locator('.strip a').filter({ hasText: new RegExp(
                           '^' + text.replace(/[>]/g, '\\$&') + '$') }).tap()]);
    await page.waitForLoadState('load');
    const landed = await landing(page);
    check(landed.exists && landed.marked && landed.seen,
          'touch: "' + text + '" opens ' + href + ': the element exists, is marked' +
          ' and on screen');
    await page.close();
  }
  await context.close();
}

/* Texts full of markup characters */

function normalized(text) {
  return text.replace(/\s+/g, ' ').trim();
}

async function markupPages(browser) {
  const texts = new Map();
  for (const name of fs.readdirSync(markupTexts)) {
    texts.set(name, fs.readFileSync(path.join(markupTexts, name), 'utf8'));
  }
  const context = await browser.newContext(desktop);
  let dialogs = 0;
  context.on('page', (page) => page.on('dialog', (dialog) => {
    dialogs++;
    dialog.dismiss().catch(() => {});
  }));
  const pages = fs.readdirSync(markupDir).filter((name) => /^page_.*\.htm$/.test(name));
  const shown = new Set();
  for (const name of pages) {
    const page = await context.newPage();
    await page.goto(fileUrl(markupDir, name));
    // innerText leaves out what the browser skips as off screen
    // (content-visibility: auto), which it decides at its first rendering:
    // on a busy machine the text may not be shown yet when the page has
    // loaded. Wait for it (a page that never shows it fails below).
    await page.waitForFunction(
        () => document.querySelector('main').innerText.trim() !== '',
        null, { timeout: 10000 }).catch(() => {});
    const seen = await page.evaluate(() => ({
      title: document.title,
      text: document.querySelector('main').innerText,
      foreign: document.querySelectorAll(
          'main img, main svg, main iframe, main object, main embed, ' +
          'main script:not([type="application/json"]), [onerror], [onload]').length,
    }));
    check(seen.foreign === 0, name + ': no element of the text');
    // A word of the page opened, as a reader would.
    await page.locator('#text b').first().click();
    const after = await page.evaluate(() => ({
      ran: window.textScriptRan !== undefined || document.title === 'ran',
      strip: document.querySelectorAll('.strip').length,
    }));
    check(!after.ran, name + ': no script of the text ran');
    check(after.strip === 1, name + ': a clicked word opens its strip');
    // The program's own pages among them are made from its markup, not
    // from a text.
    const written = texts.get(seen.title);
    if (written === undefined) {
      console.log('note: ' + name + ' (' + seen.title + ') is not made from a text');
    } else {
      shown.add(seen.title);
      const text = normalized(seen.text);
      check(text.includes(normalized(written)),
            name + ': the text reads as written' +
            (text.includes(normalized(written)) ? '' : '\n  shown: ' + text));
      for (const bracketed of written.match(/<[^<>\s]+@[^<>\s]+>|<https?:[^<>\s]+>/g) || []) {
        check(seen.text.includes(bracketed), name + ': shows ' + bracketed);
      }
    }
    await page.close();
  }
  check(shown.size === texts.size, 'markup: every text has its page');
  check(dialogs === 0, 'markup: ' + dialogs + ' dialogs');
  await context.close();
}

/* The word box of the front page */

async function wordBox(browser) {
  const context = await browser.newContext(desktop);
  const page = await context.newPage();
  // A word as the page shows it: the text's first word on page 2.
  await page.goto(fileUrl(sampleDir, 'page_02.htm'));
  const word = await page.evaluate(() => document.querySelector('#text b').textContent);
  for (const typed of [word, 'Zyxwvutsrq']) {
    await page.goto(fileUrl(sampleDir, 'index.htm'));
    await page.locator('input[name="word"]').fill(typed);
    await Promise.all([page.waitForURL(/index_[0-9]+\.htm#/),
                       page.locator('input[name="word"]').press('Enter')]);
    await page.waitForLoadState('load');
    const result = await page.evaluate(() => {
      const found = document.querySelector('main p.found');
      const note = document.getElementById('not-found');
      return {
        found: found ? found.querySelector('b').textContent : null,
        note: note ? note.textContent : null,
        nearest: note ? note.querySelectorAll('a[href^="#id"]').length : 0,
        hash: location.hash,
      };
    });
    if (typed === word) {
      check(result.found !== null && result.found.toLowerCase() === typed.toLowerCase() &&
            result.note === null,
            'word box: "' + typed + '" is found (' + result.hash + ')');
    } else {
      check(result.note !== null && result.note.includes('not in this document base') &&
            result.nearest > 0,
            'word box: "' + typed + '": ' + result.note + ' (' + result.nearest +
            ' links to the nearest words)');
    }
  }
  await context.close();
}

(async () => {
  const browser = await launch();
  try {
    // A page of the sample whose words recur on it and on later pages.
    const name = 'page_02.htm';
    const found = await keyboardWalk(browser, name);
    if (found) await touchWalk(browser, name, found.word);
    await markupPages(browser);
    await wordBox(browser);
  } finally {
    await browser.close();
  }
  console.log(failures === 0 ? 'reader walk passed' : failures + ' failed');
  process.exit(failures === 0 ? 0 : 1);
})().catch((error) => {
  console.error(error);
  process.exit(1);
});
