// The wasm core behind one small interface, the same in the page's worker
// and under node: describe() gives the option table, the built-in
// configurations and the output kinds; run() is hueset-cli in process.
// A cross-origin isolated page gets the threaded module, any other the
// single-threaded one (threads need SharedArrayBuffer).

const encoder = new TextEncoder();
const decoder = new TextDecoder();

// `moduleOptions` go to the emscripten module; under node, give the
// module's bytes as `wasmBinary` (the module is built for the web).
// `threads` picks the module; module() tells which one runs.
export async function loadCore(moduleOptions = {}, threads = globalThis.crossOriginIsolated === true) {
  const options = { ...moduleOptions };
  if (threads) {
    // The module's workers are made at start (see scripts/web): as many as
    // the core will use beside the calling thread, which it is told.
    const count = Math.max(1, Math.min(8, globalThis.navigator?.hardwareConcurrency ?? 1));
    options.threadHelpers = count - 1;
    options.preRun = [...(options.preRun ?? []), (module) => { module.ENV.HUESET_THREADS = String(count); }];
  }
  const { default: createHueset } = await import(threads ? './hueset-threads.mjs' : './hueset.mjs');
  const m = await createHueset(options);
  m.FS.mkdir('/work');
  m.FS.chdir('/work');

  // The memory as it is now: with threads, another thread may have grown it
  // and the module's own view may still be of the old, shorter buffer.
  function heap() {
    const buffer = m.asm?.memory?.buffer;
    return buffer && buffer !== m.HEAPU8.buffer ? new Uint8Array(buffer) : m.HEAPU8;
  }

  // Copies a result out of the module's memory and frees it there (copies:
  // TextDecoder takes no view of shared memory).
  function take(result) {
    const status = m._hueset_result_status(result);
    const outAt = m._hueset_result_out(result);
    const out = heap().slice(outAt, outAt + m._hueset_result_out_size(result));
    const errAt = m._hueset_result_err(result);
    const err = decoder.decode(heap().slice(errAt, errAt + m._hueset_result_err_size(result)));
    m._hueset_result_free(result);
    return { status, out, err };
  }

  function withFiles(files, work) {
    const names = Object.keys(files);
    for (const name of names) m.FS.writeFile(name, files[name]);
    try {
      return work();
    } finally {
      for (const name of names) m.FS.unlink(name);
    }
  }

  return {
    // Which module runs: 'threads' or 'single'.
    module() {
      return threads ? 'threads' : 'single';
    },
    describe() {
      return JSON.parse(decoder.decode(take(m._hueset_describe()).out));
    },
    // `words` as after the program name; `files` (name -> bytes) are there
    // for the run, in the current folder.
    run(words, files = {}) {
      const bytes = encoder.encode(words.map((w) => w + '\0').join(''));
      return withFiles(files, () => {
        const at = m._malloc(bytes.length || 1);
        heap().set(bytes, at);
        try {
          return take(m._hueset_run(at, bytes.length));
        } finally {
          m._free(at);
        }
      });
    },
    // A configuration file's bytes in the binary (.cfb) or text (.cft) form.
    configuration(name, bytes, binary) {
      return withFiles({ [name]: bytes }, () => {
        const path = encoder.encode(name + '\0');
        const at = m._malloc(path.length);
        heap().set(path, at);
        try {
          return take(m._hueset_configuration(at, binary ? 1 : 0));
        } finally {
          m._free(at);
        }
      });
    },
  };
}
