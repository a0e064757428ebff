// The core's thread: every question is answered here, off the page's thread, so that the page
// never freezes. Messages in: {id, op, ...}; out: {id, result} or {id, error}, and {id,
// progress} while a stretch of runs goes on.
import KestavelCore from 'kestavel-core';
import { answerTexts } from './answer_texts.js';

// The hosted core finds its .wasm beside this script; the one-file core has it inside and asks
// for no file.
const ready = KestavelCore({ locateFile: (file) => new URL(file, self.location.href).href });

// The worded forms (question, request, lang) where the core has them; the core's older
// one-argument forms otherwise, which embind tells apart by refusing the extra argument.
function worded(fn, args, lang) {
  try {
    return fn(...args, lang);
  } catch (error) {
    if (error && error.name === 'BindingError' && /argument/.test(error.message)) return fn(...args);
    throw error;
  }
}

function withTexts(core, question, outcome) {
  return { ...outcome, texts: answerTexts(core, question, outcome.answer) };
}

const shiftJis = new TextDecoder('shift_jis');

function roster(core, { bytes, fileName, lang }) {
  let out;
  try {
    out = core.roster(bytes, fileName, lang);
  } catch (error) {
    if (!(error && error.name === 'BindingError')) throw error;
    out = core.roster(bytes);
  }
  const answer = out.answer ?? out;
  const json = typeof out.json === 'string' ? JSON.parse(out.json) : null;
  const rows = answer.rows.map((row, i) => ({
    entry: json ? json.rows[i].entry : shiftJis.decode(row.entry),
    speed: row.speed,
  }));
  return { rows, encoding: answer.encoding, dropped: json?.dropped ?? answer.dropped,
           warnings: json?.warnings ?? answer.warnings, json: out.json ?? null, text: out.text ?? null };
}

const ops = {
  ask: (core, m) => withTexts(core, m.question, worded(core[m.question], [m.request], m.lang)),
  roster,
  staged: (core) => typeof core.simulationStage === 'function',
  stage(core, m) {
    const stage = core.simulationStage(m.question, m.request, m.counts);
    if (stage.finished) return { finished: true };
    return { finished: false, runs: stage.draws.length - 1, stretches: core.splitRuns(stage.draws, m.workers) };
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
