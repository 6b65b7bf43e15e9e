// The page in headless chromium, against the native hueset-cli: open an
// example, see its preview, change the threshold, download each kind and
// compare every download with the native output; then, served cross-origin
// isolated, the same page on the threaded core. With a fourth argument,
// screenshots go into that folder.
//   node tests/web/page-test.mjs SITE_FOLDER HUESET_CLI EXAMPLE [SHOTS_FOLDER]
import { existsSync, mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { basename, join } from 'node:path';
import { gzipSync } from 'node:zlib';
import puppeteer from 'puppeteer-core';
import { startServer } from '../../web/tools/serve.mjs';
import { runNative, sameBytes } from './native.mjs';

const [site, cli, examplePath, shots] = process.argv.slice(2);
const example = basename(examplePath);
const files = { [example]: readFileSync(examplePath) };
const downloads = mkdtempSync(join(tmpdir(), 'hueset-downloads-'));
const server = await startServer(site, 0);
const origin = `http://127.0.0.1:${server.address().port}`;
const browser = await puppeteer.launch({
  executablePath: process.env.HUESET_CHROMIUM ?? '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--no-first-run'],
});
let failures = 0;
function check(ok, what) {
  if (!ok) failures += 1;
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}`);
}
const native = (words) => runNative(cli, ['annotate', '--no-profile', ...words], files);
const text = (bytes) => new TextDecoder().decode(bytes);

try {
  const page = await browser.newPage();
  await page.setViewport({ width: 1440, height: 900 });
  const elsewhere = [];
  page.on('request', (r) => {
    if (!/^(blob:|data:|about:)/.test(r.url()) && !r.url().startsWith(origin)) elsewhere.push(r.url());
  });
  const problems = [];
  page.on('pageerror', (e) => problems.push(String(e)));
  const cdp = await page.createCDPSession();
  await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
  await browser.defaultBrowserContext().overridePermissions(origin, ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);

  await page.goto(`${origin}/`);
  await page.waitForSelector('body[data-state=ready]');
  const runs = () => page.$eval('body', (b) => Number(b.dataset.runs ?? 0));
  const settled = async (before) => {
    await page.waitForFunction((n) => Number(document.body.dataset.runs ?? 0) > n && document.body.dataset.state !== 'busy', {}, before);
  };
  const preview = () => page.$eval('#preview', (f) => f.srcdoc);

  let before = await runs();
  const input = await page.$('#open-alignment');
  await input.uploadFile(examplePath);
  await settled(before);
  check((await preview()) === text(native([example, '-t', 'html']).out), 'the preview is the native HTML of the example');
  check(await page.$eval('body', (b) => b.dataset.core === 'single'), 'a page that is not cross-origin isolated runs the single-threaded core');
  await page.waitForFunction(() => document.getElementById('preview').contentDocument?.body?.innerText.length > 100);
  if (shots) await page.screenshot({ path: join(shots, 'web-preview.png') });

  await page.$$eval('#options details', (all) => all.forEach((d) => { d.open = true; }));
  const fields = await page.$$eval('#options input', (all) => all.length);
  check(fields > 50, `the options form has a field for each option (${fields})`);
  if (shots) {
    // The whole form: the page grows to hold it for the picture.
    await page.$eval('main', (m) => { m.style.height = 'auto'; });
    await (await page.$('#source')).screenshot({ path: join(shots, 'web-options.png'), captureBeyondViewport: true });
    await page.$eval('main', (m) => { m.style.height = ''; });
    await page.$$eval('#options details', (all) => all.forEach((d, i) => { d.open = i === 0; }));
  }

  before = await runs();
  const threshold = await page.$('#quick-consensusThreshold');
  check(await page.evaluate(() => document.getElementById('quick-consensusThreshold').value ===
    (Number(document.getElementById('opt-consensusThreshold').value) / 10).toFixed(1)), 'the quick bar shows the threshold in percent, one decimal');
  await threshold.click({ count: 3 });
  await threshold.type('70');
  await settled(before);
  const at700 = ['--option', 'consensusThreshold=700'];
  check((await preview()) === text(native([example, '-t', 'html', ...at700]).out), 'after the threshold change the preview is the native HTML at 700');
  check(await page.$eval('#opt-consensusThreshold', (i) => i.value === '700'), 'the form shows the quick field\'s threshold');
  if (shots) await page.screenshot({ path: join(shots, 'web-threshold.png') });

  const stem = example.replace(/\.[^.]*$/, '');
  const fetched = async (selector, name) => {
    await page.click(selector);
    const path = join(downloads, name);
    for (let i = 0; i < 200 && !(existsSync(path) && !readdirSync(downloads).some((f) => f.endsWith('.crdownload'))); i++) {
      await new Promise((r) => setTimeout(r, 50));
    }
    return existsSync(path) ? readFileSync(path) : new Uint8Array();
  };
  const kinds = await page.$$eval('[data-download]', (all) => all.filter((b) => !b.disabled).map((b) => b.dataset.download));
  for (const kind of kinds) {
    const bytes = await fetched(`[data-download=${kind}]`, `${stem}.${kind}`);
    if (kind === 'png') {
      // The SVG's size in points at the default 300 dpi.
      const svg = text(native([example, '-t', 'svg', ...at700]).out);
      const [, w, h] = svg.match(/width="([\d.]+)pt" height="([\d.]+)pt"/);
      const png = Buffer.from(bytes);
      const size = png.length > 24 && png.toString('latin1', 1, 4) === 'PNG' ? [png.readUInt32BE(16), png.readUInt32BE(20)] : [];
      check(size[0] === Math.round(w * 300 / 72) && size[1] === Math.round(h * 300 / 72),
        `the PNG download is the SVG drawn at 300 dpi (${size.join(' x ')} pixels)`);
      continue;
    }
    const expected = kind === 'css' ? native(['-t', 'css', ...at700]) : native([example, '-t', kind, ...at700]);
    check(sameBytes(bytes, expected.out), `the ${kind} download is the native output (${bytes.length} bytes)`);
  }
  const cft = await fetched('#save-cft', 'colour.cft');
  check(sameBytes(cft, runNative(cli, ['config', 'dump', 'colour', '--as', 'cft']).out), 'the saved .cft is the native dump');

  before = await runs();
  await page.select('#configuration-choice', 'bw');
  await settled(before);
  check((await preview()) === text(native([example, '-t', 'html', '-c', 'bw', ...at700]).out), 'the B & W groupings give the native HTML');

  // A gzip-compressed alignment dropped on the page.
  before = await runs();
  const gz = gzipSync(files[example]);
  await page.evaluate((name, bytes) => {
    const dropped = new DataTransfer();
    dropped.items.add(new File([new Uint8Array(bytes)], name));
    document.getElementById('preview').dispatchEvent(new DragEvent('drop', { dataTransfer: dropped, bubbles: true }));
  }, `${example}.gz`, [...gz]);
  await settled(before);
  check((await preview()) === text(runNative(cli, ['annotate', '--no-profile', `${example}.gz`, '-t', 'html', '-c', 'bw', ...at700], { [`${example}.gz`]: gz }).out),
    'a gzip-compressed alignment dropped on the page gives the native HTML');

  // A configuration file opened: the native tool's B & W in binary form.
  const folder = mkdtempSync(join(tmpdir(), 'hueset-config-'));
  const cfb = join(folder, 'mine.cfb');
  writeFileSync(cfb, runNative(cli, ['config', 'dump', 'bw', '--as', 'cfb']).out);
  before = await runs();
  await (await page.$('#open-configuration')).uploadFile(cfb);
  await settled(before);
  check((await preview()) === text(runNative(cli, ['annotate', '--no-profile', example, '-t', 'html', '-c', 'mine.cfb', ...at700], { ...files, 'mine.cfb': readFileSync(cfb) }).out),
    'an opened .cfb configuration gives the native HTML');
  const resaved = await fetched('#save-cft', 'mine.cft');
  check(sameBytes(resaved, runNative(cli, ['config', 'dump', 'bw', '--as', 'cft']).out), 'the opened .cfb saves as the native .cft');
  rmSync(folder, { recursive: true, force: true });

  await page.click('#copy-text');
  const copied = await page.evaluate(() => navigator.clipboard.readText());
  const shown = await page.$eval('#preview', (f) => f.contentDocument.body.innerText);
  check(copied === shown && copied.length > 1000, `copy as text puts the preview's text on the clipboard (${copied.length} characters)`);

  // With its server gone, the page opens again and annotates, from the
  // files its service worker kept.
  await page.evaluate(() => navigator.serviceWorker.ready);
  server.close();
  server.closeAllConnections();
  await page.reload();
  await page.waitForSelector('body[data-state=ready]');
  before = await runs();
  await (await page.$('#open-alignment')).uploadFile(examplePath);
  await settled(before);
  check((await preview()) === text(native([example, '-t', 'html', ...at700]).out), 'with the server gone, the page opens again and previews (the options remembered)');

  // Cross-origin isolated, the page runs the threaded core, to the same bytes.
  const isolatedServer = await startServer(site, 0, { isolated: true });
  try {
    const isolated = await (await browser.createBrowserContext()).newPage();
    isolated.on('pageerror', (e) => problems.push(String(e)));
    await isolated.goto(`http://127.0.0.1:${isolatedServer.address().port}/`);
    await isolated.waitForSelector('body[data-state=ready]');
    check(await isolated.evaluate(() => self.crossOriginIsolated && document.body.dataset.core === 'threads'),
      'served cross-origin isolated, the page runs the threaded core');
    const runsThere = await isolated.$eval('body', (b) => Number(b.dataset.runs ?? 0));
    await (await isolated.$('#open-alignment')).uploadFile(examplePath);
    await isolated.waitForFunction((n) => Number(document.body.dataset.runs ?? 0) > n && document.body.dataset.state !== 'busy', {}, runsThere);
    check((await isolated.$eval('#preview', (f) => f.srcdoc)) === text(native([example, '-t', 'html']).out),
      'the threaded core\'s preview is the native HTML (another origin: the default options)');
  } finally {
    isolatedServer.close();
  }

  check(elsewhere.length === 0, `the page asked for nothing beyond its own folder${elsewhere.length ? ': ' + elsewhere.join(', ') : ''}`);
  check(problems.length === 0, `no script errors${problems.length ? ': ' + problems.join('; ') : ''}`);
} finally {
  await browser.close();
  server.close();
  rmSync(downloads, { recursive: true, force: true });
}
console.log(failures ? `page: ${failures} check(s) failed` : 'page: every check passed');
process.exit(failures ? 1 : 0);
