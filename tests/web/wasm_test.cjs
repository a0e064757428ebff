// The core as WebAssembly under Node, held to the native build: what differs there is the
// standard library (libc++ 13), so the twister's state form (the fast portable path must run
// and give the plain loop's counts) and the number formatting (our own printer in place of
// std::to_chars). Usage: node wasm_test.cjs MODULE.cjs NATIVE_CLI FIXED_POINT_TABLE ROSTER [PATH],
// PATH the trial path the module must take: portable (the default), or simd128 for the module
// built for 128-bit vectors, whose single-precision filter must fall back to double exactly as
// on x86.
'use strict';
const assert = require('node:assert/strict');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const [moduleFile, cli, fixedPointTable, rosterFile, fastPath = 'portable'] = process.argv.slice(2);

// The native CLI's JSON, on the trial path named (the fastest when none is).
const cliJson = (args, path) => {
  const env = { ...process.env };
  delete env.KESTAVEL_TRIAL_PATH;
  if (path) env.KESTAVEL_TRIAL_PATH = path;
  return JSON.parse(execFileSync(cli, [...args, '--json'], { env }));
};
// In Japanese, whose lines end each percent with the full-width sign the window writes.
const cliText = (args) => execFileSync(cli, ['--lang', 'ja', ...args], { encoding: 'utf8' });
const closeTo = (got, want, what) => assert.ok(Math.abs(got - want) <= 1e-9, `${what}: ${got} against ${want}`);

const checks = {
  // Every fast path's counts are the plain loop's; here the module's fast one must be taken,
  // which it is only when the state text of libc++'s engine is understood. Equal speeds make
  // near-ties, which the vector paths judge again in double.
  twisterStateForms(core) {
    const shapes = [[[60, 50, 40, 30, 20], 50, 2], [[119, 100, 90, 80, 70], 119, 9], [[7], 7, 1]];
    for (const [allies, enemySpeed, enemies] of shapes) {
      for (const seed of [1, 7, 4294967295]) {
        const args = ['rate', '--allies', allies.join(','), '--enemy-speed', `${enemySpeed}`, '--enemies', `${enemies}`,
                      '--seed', `${seed}`];
        const want = cliJson(args, 'plain');
        const { answer } = core.rate({ allies, enemySpeed, enemies, enemySpeeds: [], simulate: true, exact: false, seed });
        assert.equal(answer.trialPath, fastPath);
        assert.equal(answer.shutOutWins, want.shutOutWins, `${args}`);
        assert.equal(answer.firstStrikeWins, want.firstStrikeWins, `${args}`);
      }
    }
    // A whole estimation: one engine through every candidate's run.
    const want = cliJson(['estimate', '--shut-out', '40', '--enemies', '3', '--allies', '80,50', '--seed', '11'], 'plain');
    const { answer } = core.estimate({ allies: [80, 50], firstStrike: null, shutOut: 40, enemies: 3, observed: null,
                                       exact: false, seed: 11 });
    assert.equal(answer.trialPath, fastPath);
    assert.equal(answer.bestSpeed, want.bestSpeed);
    assert.deepEqual(answer.rows, want.rows);
    // Curves of a listed group (the plain mixed loop) and of enemies alike (the fast path).
    const curves = [
      [{ allies: [60, 50, 40, 30, 20], enemies: 1, enemySpeeds: [80, 30, 30], vary: 2, from: 20, to: 40, simulate: true,
         seed: 5, observed: null }, ['--enemy-speeds', '80,30,30', '--vary', '2', '--from', '20', '--to', '40'], 'plain'],
      [{ allies: [60, 50, 40, 30, 20], enemies: 4, enemySpeeds: [], vary: 0, from: 45, to: 62, simulate: true, seed: 9,
         observed: null }, ['--enemies', '4', '--from', '45', '--to', '62'], fastPath],
    ];
    for (const [request, args, path] of curves) {
      const curve = core.curve(request).answer;
      const wantCurve = cliJson(['curve', '--allies', '60,50,40,30,20', ...args, '--simulate', '--seed', `${request.seed}`],
                                'plain');
      assert.equal(curve.trialPath, path);
      assert.equal(curve.points.length, wantCurve.points.length);
      curve.points.forEach((p, i) => {
        assert.equal(p.simulatedFirstStrikeRate, wantCurve.points[i].simulatedFirstStrikeRate, `${args} ${p.speed}`);
        assert.equal(p.simulatedShutOutRate, wantCurve.points[i].simulatedShutOutRate, `${args} ${p.speed}`);
        closeTo(p.exactShutOutRate, wantCurve.points[i].exactShutOutRate, `${args} ${p.speed}`);
      });
    }
  },

  // The runs in stages as the page spreads them over its workers, here done one worker after
  // another: whatever the workers, the answer estimate or curve gives in one go.
  stagedAsInOneGo(core) {
    // Whether three workers get a stretch each, of the first stage at least.
    const questions = [
      ['estimate', { allies: [80, 50], firstStrike: null, shutOut: 40, enemies: 3, observed: null, exact: false, seed: 11 },
       true],
      ['estimate', { allies: [2], firstStrike: 60, shutOut: null, enemies: 1, observed: null, exact: false, seed: 4 }, false],
      ['estimate', { allies: [60, 50], firstStrike: 90, shutOut: null, enemies: 1, observed: null, exact: true, seed: 0 },
       false],
      ['curve', { allies: [60, 50, 40, 30, 20], enemies: 3, enemySpeeds: [80, 30, 30], vary: 2, from: 20, to: 40,
                  simulate: true, seed: 5, observed: null }, true],
      ['curve', { allies: [60], enemies: 10, enemySpeeds: [], vary: 0, from: null, to: null, simulate: true, seed: 5,
                  observed: null }, false],
    ];
    for (const [question, request, split] of questions) {
      const inOneGo = core[question](request);
      for (const workers of [1, 3]) {
        const counts = [];
        let widest = 0;
        for (;;) {
          const stage = core.simulationStage(question, request, counts);
          if (stage.finished) break;
          const stretches = core.splitRuns(stage.draws, workers);
          widest = Math.max(widest, stretches.length);
          const parts = stretches.map(({ first, end }) => {
            let told = 0;
            const part = core.runStretch(question, request, counts, first, end, (done) => { told = done; });
            assert.equal(told, end - first);
            return part;
          });
          counts.push(...parts.flat());
        }
        if (split) assert.equal(widest, workers);
        assert.deepEqual(core.finishSimulation(question, request, counts, 'en'), inOneGo,
                         `${question} ${JSON.stringify(request)} on ${workers}`);
      }
    }
  },

  // %.1f, %.4f and %.10f of doubles of every kind, as the native std::to_chars writes them.
  fixedPoint(core) {
    const values = [0, -0, 0.05, 51.25, 73.45, 99.95, 2.5, 1e23, 5e-324, 1 / 3, 100, 84.40277777777777];
    for (let wins = 0; wins <= 100000; wins += 997) values.push(wins / 1000);
    let x = 0x9e3779b97f4a7c15n;
    const bits = new BigUint64Array(1), asDouble = new Float64Array(bits.buffer);
    for (let i = 0; i < 2000; ++i) {
      x = (x * 6364136223846793005n + 1442695040888963407n) & 0xffffffffffffffffn;
      bits[0] = x;
      if (Number.isFinite(asDouble[0])) values.push(asDouble[0]);
      values.push((Number(x >> 11n) / 2 ** 53) * 100);
    }
    const hex = values.map((v) => { asDouble[0] = v; return bits[0].toString(16).padStart(16, '0'); });
    const want = execFileSync(fixedPointTable, { input: hex.join('\n') + '\n', encoding: 'utf8' }).trimEnd().split('\n');
    values.forEach((v, i) => {
      const got = [1, 4, 10].map((places) => core.formatFixed(v, places)).join('\t');
      assert.equal(got, want[i], `${hex[i]}`);
    });
  },

  // The answers' numbers are the CLI's JSON numbers, and texts written from them its text.
  questionsAsTheCli(core) {
    const rate = core.rate({ allies: [60, 50, 40, 30, 20], enemySpeed: 50, enemies: 2, enemySpeeds: [],
                             simulate: true, exact: true, seed: 3 }).answer;
    const want = cliJson(['rate', '--allies', '60,50,40,30,20', '--enemy-speed', '50', '--enemies', '2', '--exact',
                          '--seed', '3']);
    for (const key of ['shutOutWins', 'firstStrikeWins', 'simulatedShutOutRate', 'simulatedFirstStrikeRate']) {
      assert.equal(rate[key], want[key], key);
    }
    closeTo(rate.exactShutOutRate, want.exactShutOutRate, 'exactShutOutRate');
    closeTo(rate.exactFirstStrikeRate, want.exactFirstStrikeRate, 'exactFirstStrikeRate');
    const text = cliText(['rate', '--allies', '60,50,40,30,20', '--enemy-speed', '50', '--enemies', '2', '--exact',
                          '--seed', '3']);
    for (const written of [core.formatFixed(rate.shutOutWins / 1000, 1),
                           core.formatFixed(100 * rate.exactShutOutProbability, 4),
                           core.formatFixed(100 * rate.exactFirstStrikeProbability, 4)]) {
      assert.ok(text.includes(`${written}％`), `${written} in ${text}`);
    }

    const fit = core.estimate({ allies: [60, 50, 40, 30, 20], firstStrike: null, shutOut: null, enemies: 3,
                                observed: { successes: 7, encounters: 20 }, exact: true, seed: 0 }).answer;
    const wantFit = cliJson(['estimate', '--observed', '7/20', '--enemies', '3', '--allies', '60,50,40,30,20']);
    assert.equal(fit.bestSpeed, wantFit.bestSpeed);
    assert.deepEqual(fit.candidateRange, wantFit.candidateRange);
    assert.deepEqual(fit.observed.consistentRange, wantFit.observed.consistentRange);
    assert.equal(fit.observed.likeliest.speed, wantFit.observed.likeliest.speed);

    const need = core.need({ allies: [60, 50, 40, 30, 20], enemySpeed: null, enemies: null, enemySpeeds: [80, 30, 30],
                             firstStrike: 90, shutOut: null, member: null }).answer;
    const wantNeed = cliJson(['need', '--first-strike', '90', '--allies', '60,50,40,30,20', '--enemy-speeds', '80,30,30']);
    assert.equal(need.speed, wantNeed.speed);
    closeTo(need.exactRateAtSpeed, wantNeed.exactRateAtSpeed, 'exactRateAtSpeed');

    const refused = core.rate({ allies: [60], enemySpeed: 50, enemies: 10, enemySpeeds: [], simulate: true,
                                exact: false, seed: 1 });
    assert.deepEqual(refused, { answer: null, refusal: { refused: 'enemyCount', lowest: 1, highest: 9, given: 10 } });

    const roster = core.roster(new Uint8Array(fs.readFileSync(rosterFile)));
    const wantRoster = cliJson(['roster', rosterFile]);
    const shiftJis = new TextDecoder('shift_jis');
    assert.equal(roster.encoding, wantRoster.encoding);
    assert.deepEqual(roster.rows.map((r) => [shiftJis.decode(r.entry), r.number, r.speed]),
                     wantRoster.rows.map((r) => [r.entry, r.number, r.speed]));
  },
};

require(moduleFile)().then((core) => {
  for (const [name, check] of Object.entries(checks)) {
    check(core);
    console.log(`ok ${name}`);
  }
}).catch((error) => {
  console.error(error);
  process.exit(1);
});
