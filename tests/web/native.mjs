// The native hueset-cli, run the way the page runs the wasm core: in a
// folder holding the named files, with no profile.
import { spawnSync } from 'node:child_process';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

export function runNative(cli, words, files = {}) {
  const folder = mkdtempSync(join(tmpdir(), 'hueset-web-'));
  try {
    for (const [name, bytes] of Object.entries(files)) writeFileSync(join(folder, name), bytes);
    const run = spawnSync(cli, words, {
      cwd: folder,
      maxBuffer: 1 << 30,
      env: { ...process.env, HUESET_PROFILE: join(folder, 'profile.ini') },
    });
    if (run.error) throw run.error;
    return { status: run.status, out: new Uint8Array(run.stdout), err: run.stderr.toString() };
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}

export function sameBytes(a, b) {
  return a.length === b.length && Buffer.compare(Buffer.from(a), Buffer.from(b)) === 0;
}
