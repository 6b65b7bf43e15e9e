// Runs the wasm core off the page's main thread: a long annotation never
// freezes the page. Messages are {id, op, args}; replies {id, result} or
// {id, error}.
import { loadCore } from './core.js';

const core = loadCore();

self.onmessage = async ({ data: { id, op, args } }) => {
  try {
    const c = await core;
    const result = c[op](...args);
    self.postMessage({ id, result }, result && result.out ? [result.out.buffer] : []);
  } catch (error) {
    self.postMessage({ id, error: String(error && error.message ? error.message : error) });
  }
};
