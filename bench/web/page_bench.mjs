// The page's figures, in Debian's headless Chromium on this machine: kestavel.html's size; its
// time to a first answer opened from disk (load, the core compiled in its Blob worker, a simulated
// rate); and the heaviest simulated estimation (best ally 119, nine enemies, shut-out: 134 runs)
// asked on the page, on one worker and on every core, hosted and from disk, from the button to
// the table, with the trial path the page names.
// Usage: node page_bench.mjs SOURCE_DIR REPETITIONS
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

import { launchChromium, serveFolder } from '../../tests/web/browser.mjs';

const [sourceDir, repetitionsText = '5'] = process.argv.slice(2);
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

// Until the question's answer is that of the link the page now shows.
const answered = (page, q) => page.waitForFunction((question) =>
  document.getElementById(`${question}-result`)?.dataset.link === location.hash &&
  document.getElementById(`${question}-download-json`), q, { timeout: 120000, polling: 5 });

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

// The page's workers: as many as the browser says it has cores, which a test may say for it.
async function heaviestEstimation(base, workers) {
  const page = await browser.newPage();
  if (workers) await page.addInitScript((n) => Object.defineProperty(navigator, 'hardwareConcurrency', { get: () => n }), workers);
  await page.goto(`${base}#estimate?shut-out=50&enemies=9&allies=119,100,90,80,70&seed=1`);
  await answered(page, 'estimate');
  const path = (await page.textContent('#estimate-seed')).match(/simd128|portable/)?.[0] ?? '?';
  const times = [];
  for (let seed = 2; seed < 2 + repetitions; ++seed) {
    await page.fill('#estimate-seed', String(seed));
    await page.waitForFunction((s) => location.hash.includes(`seed=${s}`), seed);
    const start = Date.now();
    await page.click('#estimate-submit');
    await answered(page, 'estimate');
    times.push(Date.now() - start);
  }
  await page.close();
  return { times, path };
}

console.log(`kestavel.html: ${fs.statSync(path.join(webDir, 'kestavel.html')).size} bytes (goal: under 1 MB)`);
console.log(`kestavel.html from disk, time to the first answer (a simulated rate): ${summary(await timeToFirstAnswer())}`);
const cores = os.cpus().length;
for (const [form, base] of [['build/web/ hosted', server.url], ['kestavel.html from disk', oneFile]]) {
  for (const workers of [1, cores]) {
    const { times, path } = await heaviestEstimation(base, workers);
    console.log(`heaviest estimation, ${form}, ${path}, ${workers} worker${workers > 1 ? 's' : ''}: ${summary(times)}`);
  }
}
await browser.close();
server.close();
fs.rmSync(scratch, { recursive: true, force: true });
