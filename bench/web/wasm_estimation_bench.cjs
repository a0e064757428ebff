// The heaviest simulated estimation (best ally 119, nine enemies, shut-out: 134 runs, 188 million
// outputs) in the WebAssembly core under Node: the scalar module (portable path) and the simd128
// one, each on one worker (estimate) and staged over stretches done in turn in this process, as
// the page's workers would do them (what staging costs: a jump per stretch and the calls), beside
// the native portable and SSE4.1 paths' figures for the same estimation, measured in the same run.
// CPU time, as the native benchmark takes it, and the wall clock's least.
// Usage: node wasm_estimation_bench.cjs WASM_NODE_DIR NATIVE_BENCH [REPETITIONS] [STRETCHES]
'use strict';
const { execFileSync } = require('node:child_process');
const path = require('node:path');
const [nodeDir, nativeBench, repetitionsArg = '5', stretchesArg = '4'] = process.argv.slice(2);
const repetitions = Number(repetitionsArg);
const stretches = Number(stretchesArg);

const request = { allies: [119, 100, 90, 80, 70], firstStrike: null, shutOut: 50, enemies: 9, observed: null,
                  exact: false, seed: 1 };

// The page's loop, its workers one after another.
const staged = (core, workers) => {
  const counts = [];
  for (;;) {
    const stage = core.simulationStage('estimate', request, counts);
    if (stage.finished) break;
    const parts = core.splitRuns(stage.cost, workers)
      .map(({ first, end }) => core.runStretch('estimate', request, counts, first, end, null));
    counts.push(...parts.flat());
  }
  return core.finishSimulation('estimate', request, counts, 'en');
};

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = Math.floor(sorted.length / 2);
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

// CPU and wall-clock milliseconds of each repetition, after one to warm up (and tier up) the code.
const measure = (body) => {
  const want = JSON.stringify(body());
  const cpu = [], wall = [];
  for (let i = 0; i < repetitions; ++i) {
    const cpuStart = process.cpuUsage(), wallStart = performance.now();
    const got = body();
    wall.push(performance.now() - wallStart);
    const used = process.cpuUsage(cpuStart);
    cpu.push((used.user + used.system) / 1000);
    if (JSON.stringify(got) !== want) throw new Error('a repetition gave another answer');
  }
  return { cpu: median(cpu), wall: Math.min(...wall), answer: want };
};

const nativeFigures = () => {
  const out = execFileSync(nativeBench, ['--benchmark_filter=^HeaviestEstimation/(portable|sse41)$',
                                         `--benchmark_repetitions=${repetitions}`, '--benchmark_report_aggregates_only=true',
                                         '--benchmark_format=json'], { encoding: 'utf8' });
  const figures = {};
  for (const b of JSON.parse(out).benchmarks) {
    if (b.aggregate_name === 'median') figures[b.run_name] = { ...figures[b.run_name], cpu: b.cpu_time };
    if (b.aggregate_name === 'min') figures[b.run_name] = { ...figures[b.run_name], wall: b.real_time };
  }
  return figures;
};

const row = (what, f) => console.log(`${what.padEnd(46)} ${f.cpu.toFixed(1).padStart(8)} ms ${f.wall.toFixed(1).padStart(10)} ms`);

(async () => {
  console.log(`heaviest estimation, ${repetitions} repetitions  ${'median CPU'.padStart(19)} ${'least wall'.padStart(13)}`);
  for (const [name, figures] of Object.entries(nativeFigures())) row(`native ${name.split('/')[1]}`, figures);
  let answer;
  for (const [file, label] of [['kestavel-core-node.cjs', 'wasm scalar'], ['kestavel-core-simd-node.cjs', 'wasm simd128']]) {
    const core = await require(path.resolve(nodeDir, file))();
    const trialPath = core.estimate(request, 'en').answer.trialPath;
    const oneWorker = measure(() => core.estimate(request, 'en'));
    row(`${label} (${trialPath}), one worker`, oneWorker);
    const stretched = measure(() => staged(core, stretches));
    row(`${label} (${trialPath}), ${stretches} stretches in turn`, stretched);
    // Every way of doing it gives the one answer's numbers, but for the path it names.
    const numbers = (outcome) => JSON.stringify({ ...JSON.parse(outcome).answer, trialPath: null });
    if (stretched.answer !== oneWorker.answer || (answer && numbers(oneWorker.answer) !== answer)) {
      throw new Error(`${label}: the answers differ`);
    }
    answer = numbers(oneWorker.answer);
  }
})().catch((error) => {
  console.error(error.message);
  process.exit(1);
});
