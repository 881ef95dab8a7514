// Pictures of the modern pages as readers see them, in Chromium:
//   modern_phone_strip.png  an annotated page at phone size, a word's strip
//                           opened by a tap;
//   modern_front_dark.png   the front page in the dark scheme;
//   modern_print.png        an annotated page as it prints.
//
//   node screenshots.js HTM_OUT PAGE WORD OUTPUT_FOLDER
//
// PAGE is the annotated page and WORD the word tapped on it (its first
// occurrence in the text).
'use strict';
const path = require('node:path');
const { launch, desktop, phone, fileUrl } = require('./browser.js');

const [dir, name, word, output] = process.argv.slice(2);

(async () => {
  const browser = await launch();
  try {
    let context = await browser.newContext(phone);
    let page = await context.newPage();
    await page.goto(fileUrl(dir, name));
    await page.locator('#text b', { hasText: new RegExp('^' + word + '$') }).first().tap();
    await page.screenshot({ path: path.join(output, 'modern_phone_strip.png') });
    await context.close();

    context = await browser.newContext({ ...desktop, viewport: { width: 900, height: 560 },
                                         colorScheme: 'dark' });
    page = await context.newPage();
    await page.goto(fileUrl(dir, 'index.htm'));
    await page.screenshot({ path: path.join(output, 'modern_front_dark.png') });
    await page.close();

    page = await context.newPage();
    await page.emulateMedia({ media: 'print', colorScheme: 'light' });
    await page.goto(fileUrl(dir, name));
    await page.screenshot({ path: path.join(output, 'modern_print.png'), fullPage: true });
    await context.close();
  } finally {
    await browser.close();
  }
  for (const file of ['modern_phone_strip.png', 'modern_front_dark.png', 'modern_print.png']) {
    console.log(path.join(output, file));
  }
})().catch((error) => {
  console.error(error);
  process.exit(1);
});
