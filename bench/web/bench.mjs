// Times the wasm core under node beside the native hueset-cli on one
// alignment, to HTML and to RTF: the best of a few runs each, output into
// memory (the native one to a pipe). Prints figures; asserts nothing.
//   node bench/web/bench.mjs SITE_FOLDER HUESET_CLI ALIGNMENT [RUNS]
import { spawnSync } from 'node:child_process';
import { existsSync, readFileSync, rmSync, statSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { basename, join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

const [site, cli, alignment, runsText = '3'] = process.argv.slice(2);
const runs = Number(runsText);
const { loadCore } = await import(pathToFileURL(join(resolve(site), 'core.js')).href);
let started = performance.now();
const core = await loadCore({ wasmBinary: readFileSync(join(site, 'hueset.wasm')) });
console.log(`wasm module ready in ${(performance.now() - started).toFixed(0)} ms`);
const name = basename(alignment);
const files = { [name]: readFileSync(alignment) };

function best(run) {
  let fastest = Infinity;
  let bytes = 0;
  for (let i = 0; i < runs; i++) {
    started = performance.now();
    bytes = run();
    fastest = Math.min(fastest, performance.now() - started);
  }
  return { ms: fastest, bytes };
}

for (const kind of ['html', 'rtf']) {
  const words = ['annotate', '--no-profile', '-c', 'colour', '-t', kind, name];
  const wasm = best(() => {
    const r = core.run(words, files);
    if (r.status !== 0) throw new Error(r.err);
    return r.out.length;
  });
  const native = best(() => {
    const r = spawnSync(cli, words, { cwd: resolve(alignment, '..'), maxBuffer: 1 << 30 });
    if (r.status !== 0) throw new Error(String(r.stderr));
    return r.stdout.length;
  });
  // The native tool once more writing a file in memory (/dev/shm), no pipe.
  const file = join(existsSync('/dev/shm') ? '/dev/shm' : tmpdir(), `hueset-bench.${kind}`);
  const toFile = best(() => {
    const r = spawnSync(cli, [...words, '-o', file], { cwd: resolve(alignment, '..') });
    if (r.status !== 0) throw new Error(String(r.stderr));
    return statSync(file).size;
  });
  rmSync(file, { force: true });
  console.log(`${kind.toUpperCase().padEnd(4)}  wasm ${wasm.ms.toFixed(0).padStart(5)} ms   native ${native.ms.toFixed(0).padStart(5)} ms ` +
    `(to a pipe; ${toFile.ms.toFixed(0)} ms to a file)   wasm/native-to-file ${(wasm.ms / toFile.ms).toFixed(2)}   ` +
    `output ${(wasm.bytes / 1048576).toFixed(1)} MiB` + (wasm.bytes === native.bytes ? '' : ` (native ${native.bytes} bytes!)`));
}
