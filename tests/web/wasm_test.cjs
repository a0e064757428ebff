// The core as WebAssembly under Node, held to the native build: what differs there is the
// standard library (libc++ 13), so the twister's state form (the fast portable path must run
// and give the plain loop's counts) and the number formatting (our own printer in place of
// std::to_chars). Usage: node wasm_test.cjs MODULE.cjs NATIVE_CLI FIXED_POINT_TABLE ROSTER [PATH],
// PATH the trial path the module must take: portable (the default), or simd128 for the module
// built for 128-bit vectors, whose single-precision filter must fall back to double exactly as
// on x86.
'use strict';
const assert = require('node:assert/strict');
const { execFileSync, spawnSync } = require('node:child_process');
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
// On the path the wasm build takes, which the JSON names.
const cliRun = (args, lang) => spawnSync(cli, ['--lang', lang, ...args],
                                         { encoding: 'utf8', env: { ...process.env, KESTAVEL_TRIAL_PATH: 'portable' } });
const cliOut = (args, lang) => cliRun(args, lang).stdout;
// An output of this module as the CLI writes it on the portable path, which is all it names
// otherwise: no native program has the simd128 path.
const asOnPortable = (output) => output && output.replaceAll(`"trialPath": "${fastPath}"`, '"trialPath": "portable"');
// Markup, an escape sequence, bytes that start no character of code page 932, a blank field.
const hostileRoster = `${require('node:os').tmpdir()}/kestavel-wasm-hostile-${process.pid}.txt`;
fs.writeFileSync(hostileRoster, Buffer.concat([
  Buffer.from('森 <img src=x onerror=alert(1)> 40\n草原 \x1b[31mred 55\n', 'latin1'),
  Buffer.from([0x80, 0x20, 0x41, 0xa0, 0x20, 0x33, 0x30, 0x0a, 0x81, 0x20, 0x20, 0x37, 0x0a]),
]));
process.on('exit', () => fs.rmSync(hostileRoster, { force: true }));
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
        const { answer } = core.rate({ allies, enemySpeed, enemies, enemySpeeds: [], simulate: true, exact: false, seed },
                                     'en');
        assert.equal(answer.trialPath, fastPath);
        assert.equal(answer.shutOutWins, want.shutOutWins, `${args}`);
        assert.equal(answer.firstStrikeWins, want.firstStrikeWins, `${args}`);
      }
    }
    // A whole estimation: one engine through every candidate's run.
    const want = cliJson(['estimate', '--shut-out', '40', '--enemies', '3', '--allies', '80,50', '--seed', '11'], 'plain');
    const { answer } = core.estimate({ allies: [80, 50], firstStrike: null, shutOut: 40, enemies: 3, observed: null,
                                       exact: false, seed: 11 }, 'en');
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
      const curve = core.curve(request, 'en').answer;
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
      for (const [workers, lang] of [[1, 'ja'], [3, 'en']]) {
        const inOneGo = core[question](request, lang);
        const counts = [];
        let widest = 0;
        for (;;) {
          const stage = core.simulationStage(question, request, counts);
          if (stage.finished) break;
          const stretches = core.splitRuns(stage.cost, workers);
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
        assert.deepEqual(core.finishSimulation(question, request, counts, lang), inOneGo,
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

  // Every output is the CLI's own, byte for byte, in both languages: JSON, CSV, text, SVG, the
  // refusal's wording, and a roster read through the browser's decoder where the CLI uses iconv.
  outputsAsTheCli(core) {
    const allies = [60, 50, 40, 30, 20];
    const cases = [
      ['rate', { allies, enemySpeed: 50, enemies: 2, enemySpeeds: [], simulate: true, exact: true, seed: 3 },
       ['--allies', '60,50,40,30,20', '--enemy-speed', '50', '--enemies', '2', '--exact', '--seed', '3']],
      ['rate', { allies, enemySpeed: null, enemies: null, enemySpeeds: [80, 30, 30], simulate: false, exact: true, seed: 0 },
       ['--allies', '60,50,40,30,20', '--enemy-speeds', '80,30,30']],
      ['estimate', { allies: [80, 50], firstStrike: null, shutOut: 40, enemies: 3, observed: null, exact: false, seed: 11 },
       ['--shut-out', '40', '--enemies', '3', '--allies', '80,50', '--seed', '11']],
      ['estimate', { allies, firstStrike: null, shutOut: null, enemies: 3, observed: { successes: 7, encounters: 20 },
                     exact: true, seed: 0 }, ['--observed', '7/20', '--enemies', '3', '--allies', '60,50,40,30,20']],
      ['estimate', { allies: [150], firstStrike: null, shutOut: null, enemies: 1, observed: { successes: 0, encounters: 20 },
                     exact: true, seed: 0 }, ['--observed', '0/20', '--allies', '150']],
      ['curve', { allies, enemies: 2, enemySpeeds: [], vary: 0, from: null, to: null, simulate: false, seed: 0,
                  observed: { successes: 7, encounters: 20 } }, ['--allies', '60,50,40,30,20', '--enemies', '2', '--observed', '7/20']],
      ['curve', { allies, enemies: 3, enemySpeeds: [80, 30, 30], vary: 2, from: 20, to: 40, simulate: true, seed: 5,
                  observed: null }, ['--allies', '60,50,40,30,20', '--enemy-speeds', '80,30,30', '--vary', '2', '--from', '20',
                                     '--to', '40', '--simulate', '--seed', '5']],
      ['need', { allies, enemySpeed: null, enemies: null, enemySpeeds: [80, 30, 30], firstStrike: 90, shutOut: null,
                 member: null }, ['--first-strike', '90', '--allies', '60,50,40,30,20', '--enemy-speeds', '80,30,30']],
      ['need', { allies, enemySpeed: 50, enemies: 3, enemySpeeds: [], firstStrike: null, shutOut: 99, member: 2 },
       ['--shut-out', '99', '--member', '2', '--allies', '60,50,40,30,20', '--enemy-speed', '50', '--enemies', '3']],
    ];
    const outputs = { json: ['--json'], csv: ['--csv'], text: [] };
    for (const lang of ['ja', 'en']) {
      for (const [question, request, args] of cases) {
        const got = core[question](request, lang);
        assert.equal(got.refusal, null, `${question} ${args}`);
        for (const [output, flags] of Object.entries(outputs)) {
          assert.equal(asOnPortable(got[output]), cliOut([question, ...args, ...flags], lang),
                       `${lang} ${question} ${args} ${output}`);
        }
        if (question === 'curve') {
          const file = `${require('node:os').tmpdir()}/kestavel-wasm-test-${process.pid}.svg`;
          cliOut([question, ...args, '--svg', file], lang);
          assert.equal(got.svg, fs.readFileSync(file, 'utf8'), `${lang} ${args} svg`);
          fs.unlinkSync(file);
        }
      }
      const refused = core.rate({ allies: [60], enemySpeed: 50, enemies: 10, enemySpeeds: [], simulate: true,
                                  exact: false, seed: 1 }, lang);
      assert.deepEqual(refused.refusal, { refused: 'enemyCount', lowest: 1, highest: 9, given: 10 });
      assert.equal(refused.json, null);
      const cliRefusal = cliRun(['rate', '--allies', '60', '--enemy-speed', '50', '--enemies', '10', '--seed', '1'], lang);
      assert.equal(`kestavel-cli: ${refused.refusalText}\n`, cliRefusal.stderr);

      for (const file of [rosterFile, hostileRoster]) {
        const roster = core.roster(new Uint8Array(fs.readFileSync(file)), file, lang);
        assert.equal(roster.json, cliOut(['roster', file, '--json'], lang), `${lang} ${file}`);
        assert.equal(roster.text, cliOut(['roster', file], lang), `${lang} ${file}`);
        assert.deepEqual(roster.answer.rows.map((r) => r.speed), JSON.parse(roster.json).rows.map((r) => r.speed));
      }
    }
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
