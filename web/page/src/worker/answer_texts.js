// The numbers an answer shows, written by the core's own printer: the CLI's, which rounds a tie
// to even where JavaScript's number methods round it up. They are written here beside the core,
// as the page has no core of its own.

const rateTexts = (core, a) => ({
  simulatedShutOut: a.shutOutWins === null ? null : core.formatFixed(a.shutOutWins / 1000, 1),
  simulatedFirstStrike: a.firstStrikeWins === null ? null : core.formatFixed(a.firstStrikeWins / 1000, 1),
  exactShutOut: a.exactShutOutProbability === null ? null : core.formatFixed(100 * a.exactShutOutProbability, 4),
  exactFirstStrike: a.exactFirstStrikeProbability === null ? null : core.formatFixed(100 * a.exactFirstStrikeProbability, 4),
});

const estimateTexts = (core, a) => ({
  rows: a.rows.map((row) => {
    if (!row.run) return { firstStrike: '', shutOut: '' };
    const fs = row.exactFirstStrikeRate ?? row.simulatedFirstStrikeRate;
    const so = row.exactShutOutRate ?? row.simulatedShutOutRate;
    return { firstStrike: core.formatFixed(fs, 1), shutOut: core.formatFixed(so, 1) };
  }),
  likeliest: a.observed
    ? core.formatFixed(a.enemies === 1 ? a.observed.likeliest.exactFirstStrikeRate : a.observed.likeliest.exactShutOutRate, 4)
    : null,
});

const curveTexts = (core, a) => ({
  points: a.points.map((p) => ({
    exactFirstStrike: core.formatFixed(p.exactFirstStrikeRate, 4),
    exactShutOut: core.formatFixed(p.exactShutOutRate, 4),
    simulatedFirstStrike: p.firstStrikeWins === undefined ? null : core.simulatedPercentText(p.firstStrikeWins),
    simulatedShutOut: p.shutOutWins === undefined ? null : core.simulatedPercentText(p.shutOutWins),
  })),
});

const needTexts = (core, a) => ({
  atSpeed: core.formatFixed(a.exactRateAtSpeed, 4),
  oneBelow: core.formatFixed(a.exactRateOneBelow, 4),
  limit: core.formatFixed(a.exactRateLimit, 4),
});

const byQuestion = { rate: rateTexts, estimate: estimateTexts, curve: curveTexts, need: needTexts };

export function answerTexts(core, question, answer) {
  return answer ? byQuestion[question](core, answer) : null;
}
