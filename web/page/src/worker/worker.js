// The core's thread: every question is answered here, off the page's thread, so that the page
// never freezes. Messages in: {id, op, ...}; out: {id, result} or {id, error}, and {id,
// progress} while a stretch of runs goes on.
import ScalarCore from 'kestavel-core';
import SimdCore from 'kestavel-core-simd';
import wasmInside from 'kestavel-wasm-inside';
import { answerTexts } from './answer_texts.js';
import { toCp932 } from './cp932_encoding.js';

// A module of one function returning a v128 constant: valid only where the browser has
// WebAssembly's 128-bit vectors, which the simd128 build of the core needs.
const VECTOR_PROBE = new Uint8Array([0, 97, 115, 109, 1, 0, 0, 0, 1, 5, 1, 96, 0, 1, 123, 3, 2, 1, 0, 10, 22, 1, 20, 0,
                                     253, 12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 11]);
// The build gives the same module for both where it has no simd128 core.
const simd = SimdCore !== ScalarCore && WebAssembly.validate(VECTOR_PROBE);
const KestavelCore = simd ? SimdCore : ScalarCore;

// The one-file page carries each core's wasm gzipped, as base64: both cores in less room than one
// as it is.
async function unpacked(base64) {
  const packed = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
  const stream = new Blob([packed]).stream().pipeThrough(new DecompressionStream('gzip'));
  return new Uint8Array(await new Response(stream).arrayBuffer());
}

// The hosted core finds its .wasm beside this script; the one-file core is given it.
// (A Blob worker's own address is no base for a file's, and the file is never asked for.)
const ready = (async () => {
  if (wasmInside) {
    const wasmBinary = await unpacked(simd ? wasmInside.simd : wasmInside.scalar);
    return KestavelCore({ wasmBinary, locateFile: (file) => file });
  }
  return KestavelCore({ locateFile: (file) => new URL(file, self.location.href).href });
})();

function withTexts(core, question, outcome) {
  return { ...outcome, texts: answerTexts(core, question, outcome.answer) };
}

// The text encodings the core tells from code page 932, by the names TextDecoder takes.
const unicodeEncodings = { utf8: 'utf-8', utf8Bom: 'utf-8', utf16le: 'utf-16le', utf16be: 'utf-16be' };

function roster(core, { bytes, fileName, lang }) {
  let out = core.roster(bytes, fileName, lang);
  const found = out.answer.encoding;
  const convertedFrom = unicodeEncodings[found] ? found : null;
  // Read again as the same text saved as Shift-JIS would be.
  if (convertedFrom) out = core.roster(toCp932(new TextDecoder(unicodeEncodings[found]).decode(bytes)), fileName, lang);
  const { rows, diagnostics } = out.answer;
  return { rows: rows.map(({ entry, speed }) => ({ entry, speed })), convertedFrom,
           encodingText: out.answer.encodingText, diagnostics };
}

const ops = {
  ask: (core, m) => withTexts(core, m.question, core[m.question](m.request, m.lang)),
  roster,
  staged: (core) => typeof core.simulationStage === 'function',
  stage(core, m) {
    const stage = core.simulationStage(m.question, m.request, m.counts);
    if (stage.finished) return { finished: true };
    return { finished: false, runs: stage.draws.length - 1, stretches: core.splitRuns(stage.cost, m.workers) };
  },
  stretch(core, m) {
    let last = 0;
    return core.runStretch(m.question, m.request, m.counts, m.first, m.end, (done) => {
      // A message per run would outnumber the runs' own work on a phone: a few per second do.
      const now = Date.now();
      if (now - last > 100) {
        last = now;
        postMessage({ id: m.id, progress: done });
      }
    });
  },
  finish: (core, m) => withTexts(core, m.question, core.finishSimulation(m.question, m.request, m.counts, m.lang)),
};

self.onmessage = async ({ data }) => {
  try {
    const core = await ready;
    postMessage({ id: data.id, result: ops[data.op](core, data) });
  } catch (error) {
    postMessage({ id: data.id, error: String((error && error.message) || error) });
  }
};
