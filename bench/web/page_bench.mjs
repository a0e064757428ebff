// The page's figures, in Debian's headless Chromium on this machine: kestavel.html's size; its
// time to a first answer opened from disk (load, the core compiled in its Blob worker, a simulated
// rate); the heaviest simulated estimation (best ally 119, nine enemies, shut-out: 134 runs)
// asked on the page, on one worker and on every core, hosted and from disk, from the button's
// click to the table shown, timed in the page, with the trial path the page names; and the
// core's own runs for it in one of the page's workers, spoken to as the page speaks to it, each
// beside the native SSE4.1 path's time for the same estimation (NATIVE_BENCH, kestavel_bench).
// Usage: node page_bench.mjs SOURCE_DIR REPETITIONS [NATIVE_BENCH]
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

import { answered as answeredOn, launchChromium, serveFolder } from '../../tests/web/browser.mjs';

const [sourceDir, repetitionsText = '5', nativeBench] = process.argv.slice(2);
const repetitions = Math.max(1, Number(repetitionsText));
const webDir = path.join(sourceDir, 'build/web');
const oneFile = pathToFileURL(path.join(webDir, 'kestavel.html')).href;
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'kestavel-page-bench-'));
const server = await serveFolder(webDir);
const browser = await launchChromium(sourceDir, path.join(scratch, 'profile'), { viewport: { width: 1280, height: 800 } });

const summary = (times) => {
  const sorted = [...times].sort((a, b) => a - b);
  return `min ${sorted[0].toFixed(0)} ms, median ${sorted[Math.floor(sorted.length / 2)].toFixed(0)} ms`;
};

const answered = (page, question) => answeredOn(page, question, { timeout: 120000, polling: 5 });

async function timeToFirstAnswer() {
  const times = [];
  for (let i = 0; i < repetitions; ++i) {
    const page = await browser.newPage();
    const start = Date.now();
    await page.goto(`${oneFile}#rate?allies=60,50,40,30,20&enemy-speed=50&enemies=2&seed=${i + 1}`);
    await answered(page, 'rate');
    times.push(Date.now() - start);
    await page.close();
  }
  return times;
}

const HEAVIEST = { allies: [119, 100, 90, 80, 70], firstStrike: null, shutOut: 50, enemies: 9, observed: null,
                   exact: false, seed: 1 };

// From the click to the table, in the page's own clock: what the reader waits.
const clickToTable = (page) => page.evaluate(() => new Promise((resolve) => {
  const result = document.getElementById('estimate-result');
  const start = performance.now();
  const observer = new MutationObserver(() => {
    if (result.dataset.link !== location.hash || !document.getElementById('estimate-download-json')) return;
    observer.disconnect();
    resolve(performance.now() - start);
  });
  observer.observe(result, { attributes: true, childList: true, subtree: true });
  document.getElementById('estimate-submit').click();
}));

// The page's workers: as many as the browser says it has cores, which a test may say for it.
async function heaviestEstimation(base, workers) {
  const page = await browser.newPage();
  if (workers) await page.addInitScript((n) => Object.defineProperty(navigator, 'hardwareConcurrency', { get: () => n }), workers);
  await page.goto(`${base}#estimate?shut-out=50&enemies=9&allies=119,100,90,80,70&seed=1`);
  await answered(page, 'estimate');
  const path = (await page.textContent('#estimate-seed-used')).match(/simd128|portable/)?.[0] ?? '?';
  const times = [];
  for (let seed = 2; seed < 2 + repetitions; ++seed) {
    await page.fill('#estimate-seed', String(seed));
    await page.waitForFunction((s) => location.hash.includes(`seed=${s}`), seed);
    times.push(await clickToTable(page));
  }
  await page.close();
  return { times, path };
}

// The runs alone, in one hosted worker of the page's own: each stage planned, its runs done as
// one stretch, timed from the stretch's message to its counts (the planning and the finish,
// under a millisecond each, left out), after kWarmUps estimations: V8 compiles the core again
// over the first few (here the four after the first took up to 1.5× the later ones).
// Each is paired with the native SSE4.1 path's time for the same estimation, measured just after
// it (one estimation of NATIVE_BENCH's), so that both sides of a ratio see the same machine.
const kWarmUps = 5;
// Pairs enough for a steady median on a shared machine, where single times swing by a fifth.
const kLeastPairs = 15;
async function runsInOneWorkerBesideNative() {
  const page = await browser.newPage();
  await page.goto(server.url);
  await page.evaluate(async ({ request, warmUps }) => {
    const worker = new Worker('worker.js');
    let next = 0;
    const call = (message) => new Promise((resolve, reject) => {
      const id = ++next;
      worker.addEventListener('message', function listen({ data }) {
        if (data.id !== id || 'progress' in data) return;
        worker.removeEventListener('message', listen);
        if ('error' in data) reject(new Error(data.error));
        else resolve(data.result);
      });
      worker.postMessage({ ...message, id });
    });
    window.timedEstimation = async () => {
      const counts = [];
      let inRuns = 0;
      for (;;) {
        const stage = await call({ op: 'stage', question: 'estimate', request, counts, workers: 1 });
        if (stage.finished) return inRuns;
        const start = performance.now();
        counts.push(...await call({ op: 'stretch', question: 'estimate', request, counts, first: 0, end: stage.runs }));
        inRuns += performance.now() - start;
      }
    };
    for (let i = 0; i < warmUps; ++i) await window.timedEstimation();
  }, { request: HEAVIEST, warmUps: kWarmUps });
  const pairs = [];
  for (let i = 0; i < Math.max(repetitions, kLeastPairs); ++i) {
    const worker = await page.evaluate(() => window.timedEstimation());
    pairs.push({ worker, native: nativeBench ? nativeSse41Once() : null });
  }
  await page.close();
  return pairs;
}

// The least of two, the first of a process being the one that starts its trial path.
const nativeSse41Once = () => {
  const out = execFileSync(nativeBench, ['--benchmark_filter=^HeaviestEstimation/sse41$', '--benchmark_min_time=0.001',
                                         '--benchmark_repetitions=2', '--benchmark_format=json'], { encoding: 'utf8' });
  return Math.min(...JSON.parse(out).benchmarks.filter((b) => b.run_type === 'iteration').map((b) => b.real_time));
};

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

console.log(`kestavel.html: ${fs.statSync(path.join(webDir, 'kestavel.html')).size} bytes (goal: under 1 MB)`);
console.log(`kestavel.html from disk, time to the first answer (a simulated rate): ${summary(await timeToFirstAnswer())}`);
const cores = os.cpus().length;
for (const [form, base] of [['build/web/ hosted', server.url], ['kestavel.html from disk', oneFile]]) {
  for (const workers of [1, cores]) {
    const { times, path } = await heaviestEstimation(base, workers);
    console.log(`heaviest estimation, ${form}, ${path}, ${workers} worker${workers > 1 ? 's' : ''}: ${summary(times)}`);
  }
}
const pairs = await runsInOneWorkerBesideNative();
const inWorker = pairs.map((p) => p.worker);
console.log(`heaviest estimation's runs in one of the page's workers: ${summary(inWorker)}`);
if (nativeBench) {
  const native = pairs.map((p) => p.native);
  console.log(`native SSE4.1 path, the same estimation, each just after the worker's: ${summary(native)}; ` +
              `the worker's runs take ${median(pairs.map((p) => p.worker / p.native)).toFixed(2)}× its time by the ` +
              `median of the pairs, ${(Math.min(...inWorker) / Math.min(...native)).toFixed(2)}× by least times`);
}
await browser.close();
server.close();
fs.rmSync(scratch, { recursive: true, force: true });
