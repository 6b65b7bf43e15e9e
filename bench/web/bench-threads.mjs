// Times the page's worker in headless chromium on one alignment, to HTML,
// with the single-threaded core (a page served as is) and the threaded one
// (served cross-origin isolated): the best of a few runs each. Prints
// figures; asserts nothing.
//   node bench/web/bench-threads.mjs SITE_FOLDER ALIGNMENT [RUNS]
import { readFileSync } from 'node:fs';
import { basename } from 'node:path';
import { createRequire } from 'node:module';
import { startServer } from '../../web/tools/serve.mjs';
// The browser driver is installed with the page's tests (tests/web).
const puppeteer = createRequire(new URL('../../tests/web/package.json', import.meta.url))('puppeteer-core');

const [site, alignment, runsText = '3'] = process.argv.slice(2);
const name = basename(alignment);
const bytes = [...readFileSync(alignment)];
const browser = await puppeteer.launch({ executablePath: process.env.HUESET_CHROMIUM ?? '/usr/bin/chromium', headless: true, args: ['--no-sandbox'] });
try {
  for (const isolated of [false, true]) {
    const server = await startServer(site, 0, { isolated });
    try {
      const page = await (await browser.createBrowserContext()).newPage();
      await page.goto(`http://127.0.0.1:${server.address().port}/`);
      await page.waitForSelector('body[data-state=ready]');
      const figures = await page.evaluate(async (name, bytes, runs) => {
        const worker = new Worker('./worker.js', { type: 'module' });
        let id = 0;
        const call = (op, ...args) => new Promise((resolve, reject) => {
          const mine = id++;
          worker.addEventListener('message', function heard({ data }) {
            if (data.id !== mine) return;
            worker.removeEventListener('message', heard);
            if (data.error) reject(new Error(data.error)); else resolve(data.result);
          });
          worker.postMessage({ id: mine, op, args });
        });
        const module = await call('module');
        const files = { [name]: new Uint8Array(bytes) };
        let fastest = Infinity;
        let size = 0;
        for (let i = 0; i < runs; i++) {
          const started = performance.now();
          const r = await call('run', ['annotate', '--no-profile', '-c', 'colour', '-t', 'html', name], files);
          fastest = Math.min(fastest, performance.now() - started);
          if (r.status !== 0) throw new Error(r.err);
          size = r.out.length;
        }
        worker.terminate();
        return { module, ms: fastest, size, cores: navigator.hardwareConcurrency };
      }, name, bytes, Number(runsText));
      console.log(`HTML  ${figures.module.padEnd(7)} core in the page's worker: ${figures.ms.toFixed(0).padStart(5)} ms ` +
        `(${(figures.size / 1048576).toFixed(1)} MiB; ${figures.cores} cores)`);
    } finally {
      server.close();
    }
  }
} finally {
  await browser.close();
}
