// Times the page itself in headless chromium on one alignment: opening it
// until its preview is made (HTML, in the worker), and the RTF and HTML
// downloads. Prints figures; asserts nothing.
//   node bench/web/bench-page.mjs SITE_FOLDER ALIGNMENT
import { existsSync, mkdtempSync, rmSync, statSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { basename, join } from 'node:path';
import { createRequire } from 'node:module';
import { startServer } from '../../web/tools/serve.mjs';
// The browser driver is installed with the page's tests (tests/web).
const puppeteer = createRequire(new URL('../../tests/web/package.json', import.meta.url))('puppeteer-core');

const [site, alignment] = process.argv.slice(2);
const downloads = mkdtempSync(join(tmpdir(), 'hueset-bench-'));
const server = await startServer(site, 0);
const browser = await puppeteer.launch({ executablePath: process.env.HUESET_CHROMIUM ?? '/usr/bin/chromium', headless: true, args: ['--no-sandbox'] });
try {
  const page = await browser.newPage();
  const cdp = await page.createCDPSession();
  await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
  await page.goto(`http://127.0.0.1:${server.address().port}/`);
  await page.waitForSelector('body[data-state=ready]');
  let started = performance.now();
  await (await page.$('#open-alignment')).uploadFile(alignment);
  await page.waitForFunction(() => document.body.dataset.runs === '1', { timeout: 120000 });
  // Less the typing pause the preview waits before it starts.
  console.log(`page: opened and previewed (HTML) in ${(performance.now() - started - 300).toFixed(0)} ms`);
  const stem = basename(alignment).replace(/\.[^.]*$/, '');
  for (const kind of ['rtf', 'html']) {
    started = performance.now();
    await page.click(`[data-download=${kind}]`);
    const file = join(downloads, `${stem}.${kind}`);
    while (!existsSync(file)) await new Promise((r) => setTimeout(r, 5));
    console.log(`page: ${kind.toUpperCase()} download of ${(statSync(file).size / 1048576).toFixed(1)} MiB in ${(performance.now() - started).toFixed(0)} ms`);
  }
} finally {
  await browser.close();
  server.close();
  rmSync(downloads, { recursive: true, force: true });
}
