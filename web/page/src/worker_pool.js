// Simulations over as many workers as the device has cores (at most 8): the core plans the runs
// in stages and splits each stage's runs into stretches, one per worker, whose counts, put back
// in plan order, give the answer one worker would, seed for seed. Cancel ends the workers and
// starts fresh ones. A core without stages answers on one worker, as the question itself.
import { WorkerChannel } from './worker_channel.js';

const poolSize = () => Math.max(1, Math.min(8, navigator.hardwareConcurrency || 1));

export class WorkerPool {
  constructor() {
    // Started at the first simulation: most visits ask only exact questions.
    this.workers = [];
    this.staged = null;
  }

  start() {
    this.workers = Array.from({ length: poolSize() }, () => new WorkerChannel());
  }

  cancel() {
    for (const worker of this.workers) worker.terminate();
    this.start();
  }

  // onProgress(done, known): runs finished, and the runs of the stages known so far.
  async simulate(question, request, lang, onProgress) {
    // A new question makes the one still running moot.
    if (this.running) this.cancel();
    this.running = true;
    try {
      return await this.runStages(question, request, lang, onProgress);
    } finally {
      this.running = false;
    }
  }

  async runStages(question, request, lang, onProgress) {
    if (!this.workers.length) this.start();
    const [planner] = this.workers;
    this.staged ??= await planner.call({ op: 'staged' });
    if (!this.staged) return planner.call({ op: 'ask', question, request, lang });
    const counts = [];
    let known = 0, before = 0;
    for (;;) {
      const stage = await planner.call({ op: 'stage', question, request, counts, workers: this.workers.length });
      if (stage.finished) break;
      known += stage.runs;
      const done = stage.stretches.map(() => 0);
      const parts = await Promise.all(stage.stretches.map(({ first, end }, i) =>
        this.workers[i].call({ op: 'stretch', question, request, counts, first, end }, (n) => {
          done[i] = n;
          onProgress(before + done.reduce((a, b) => a + b, 0), known);
        })));
      for (const part of parts) counts.push(...part);
      before = known;
      onProgress(before, known);
    }
    return planner.call({ op: 'finish', question, request, counts, lang });
  }
}
