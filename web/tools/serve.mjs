// A small static server for the page, bound to the loopback address only.
//   node web/tools/serve.mjs FOLDER [PORT] [--isolated]
// PORT 0 picks a free one; the address is printed. Imported, startServer()
// gives the running server to the tests. Isolated, the page is cross-origin
// isolated (the headers below) and so runs the threaded core.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize, resolve, sep } from 'node:path';
import { pathToFileURL } from 'node:url';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm',
  '.json': 'application/json',
  '.svg': 'image/svg+xml',
  '.png': 'image/png',
};

const isolation = {
  'Cross-Origin-Opener-Policy': 'same-origin',
  'Cross-Origin-Embedder-Policy': 'require-corp',
};

export function startServer(folder, port = 0, { isolated = false } = {}) {
  const root = resolve(folder);
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    const file = normalize(join(root, path.endsWith('/') ? path + 'index.html' : path));
    if (file !== root && !file.startsWith(root + sep)) {
      response.writeHead(403).end();
      return;
    }
    try {
      const body = await readFile(file);
      response.writeHead(200, {
        'Content-Type': types[extname(file)] ?? 'application/octet-stream',
        'Cache-Control': 'no-cache',
        ...(isolated ? isolation : {}),
      });
      response.end(body);
    } catch {
      response.writeHead(404, { 'Content-Type': 'text/plain' }).end('not found\n');
    }
  });
  return new Promise((done, fail) => {
    server.once('error', fail);
    server.listen(port, '127.0.0.1', () => done(server));
  });
}

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
  const words = process.argv.slice(2);
  const isolated = words.includes('--isolated');
  const [folder = '.', port = '8000'] = words.filter((w) => w !== '--isolated');
  const server = await startServer(folder, Number(port), { isolated });
  console.log(`serving ${resolve(folder)} on http://127.0.0.1:${server.address().port}/${isolated ? ' (cross-origin isolated: threads)' : ''}`);
}
