// The wasm core behind one small interface, the same in the page's worker
// and under node: describe() gives the option table, the built-in
// configurations and the output kinds; run() is hueset-cli in process.
import createHueset from './hueset.mjs';

const encoder = new TextEncoder();
const decoder = new TextDecoder();

// `moduleOptions` go to the emscripten module; under node, give the
// module's bytes as `wasmBinary` (the module is built for the web).
export async function loadCore(moduleOptions = {}) {
  const m = await createHueset(moduleOptions);
  m.FS.mkdir('/work');
  m.FS.chdir('/work');

  // Copies a result out of the module's memory and frees it there.
  function take(result) {
    const status = m._hueset_result_status(result);
    const outAt = m._hueset_result_out(result);
    const out = m.HEAPU8.slice(outAt, outAt + m._hueset_result_out_size(result));
    const errAt = m._hueset_result_err(result);
    const err = decoder.decode(m.HEAPU8.subarray(errAt, errAt + m._hueset_result_err_size(result)));
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
    describe() {
      return JSON.parse(decoder.decode(take(m._hueset_describe()).out));
    },
    // `words` as after the program name; `files` (name -> bytes) are there
    // for the run, in the current folder.
    run(words, files = {}) {
      const bytes = encoder.encode(words.map((w) => w + '\0').join(''));
      return withFiles(files, () => {
        const at = m._malloc(bytes.length || 1);
        m.HEAPU8.set(bytes, at);
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
        m.HEAPU8.set(path, at);
        try {
          return take(m._hueset_configuration(at, binary ? 1 : 0));
        } finally {
          m._free(at);
        }
      });
    },
  };
}
