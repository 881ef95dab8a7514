// axe-core on the largest page of each kind of a modern document base, in
// Chromium at desktop and phone size, once the script has made every block
// (the page opened without IntersectionObserver, so the script renders
// all blocks at once); the annotated page also with a word's strip open.
//
//   node axe_check.js HTM_OUT
//
// Prints the violations of each page and their count; exits 1 on any.
'use strict';
const { launch, desktop, phone, fileUrl, largestPages, withoutObserver } =
    require('./browser.js');

const axeSource = require('axe-core').source;
const [dir] = process.argv.slice(2);

async function violations(context, name, openStrip) {
  const page = await context.newPage();
  await page.goto(fileUrl(dir, name));
  if (openStrip) await page.locator('#text b').nth(1).click();
  await page.evaluate(axeSource);
  const result = await page.evaluate(() => window.axe.run(document, {
    runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa',
                                     'wcag22aa', 'best-practice'] },
  }));
  await page.close();
  return result.violations;
}

(async () => {
  const browser = await launch();
  let total = 0;
  try {
    const pages = largestPages(dir);
    for (const [size, options] of [['desktop', desktop], ['phone', phone]]) {
      const context = await browser.newContext(options);
      await context.addInitScript(withoutObserver);
      const runs = Object.entries(pages).map(([kind, name]) => [kind, name, false]);
      runs.push(['annotated, strip open', pages.annotated, true]);
      for (const [kind, name, openStrip] of runs) {
        const found = await violations(context, name, openStrip);
        total += found.length;
        console.log(size + ', ' + kind + ' (' + name + '): ' + found.length + ' violations');
        for (const violation of found) {
          console.log('  ' + violation.id + ' (' + violation.impact + '): ' + violation.help);
          for (const node of violation.nodes.slice(0, 3)) {
            console.log('    ' + node.target.join(' ') + ': ' + node.failureSummary.replace(/\s+/g, ' '));
          }
        }
      }
      await context.close();
    }
  } finally {
    await browser.close();
  }
  console.log(total === 0 ? 'axe check passed' : total + ' violations');
  process.exit(total === 0 ? 0 : 1);
})().catch((error) => {
  console.error(error);
  process.exit(1);
});
