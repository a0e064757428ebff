// The curve drawn by hand in SVG: two lines of exact rates against the enemy speed, the
// simulated runs as dots, the speeds a count allows as a band, and the values of the speed under
// the pointer or the finger read out below. A few lines and a band do not need a library.
import { el, svg } from './dom.js';
import { t } from './texts/i18n.js';

const LEFT = 44, RIGHT = 12, TOP = 28, BOTTOM = 36;

// width: the room the chart has, in CSS pixels, so that its texts keep their size on a phone.
export function curveChart(answer, texts, enemies, width) {
  const W = Math.max(320, Math.min(760, Math.round(width) || 640)), H = Math.round(Math.max(240, W * 0.5));
  const points = answer.points;
  const low = points[0].speed, high = points[points.length - 1].speed;
  const x = (speed) => LEFT + (high === low ? 0.5 : (speed - low) / (high - low)) * (W - LEFT - RIGHT);
  const y = (rate) => TOP + (1 - rate / 100) * (H - TOP - BOTTOM);
  const line = (key, cls) => svg('polyline', { class: cls, fill: 'none',
                                               points: points.map((p) => `${x(p.speed)},${y(p[key])}`).join(' ') });
  const grid = [0, 25, 50, 75, 100].flatMap((rate) => [
    svg('line', { class: 'grid', x1: LEFT, x2: W - RIGHT, y1: y(rate), y2: y(rate) }),
    svg('text', { class: 'tick', x: LEFT - 6, y: y(rate) + 4, 'text-anchor': 'end', text: String(rate) })]);
  const ticks = [low, Math.round((low + high) / 2), high].map((speed) =>
    svg('text', { class: 'tick', x: x(speed), y: H - BOTTOM + 16, 'text-anchor': 'middle', text: String(speed) }));
  const consistent = points.filter((p) => p.consistent);
  const band = consistent.length
    ? svg('rect', { class: 'band', x: x(consistent[0].speed) - 2, y: TOP, height: H - TOP - BOTTOM,
                    width: x(consistent[consistent.length - 1].speed) - x(consistent[0].speed) + 4 })
    : null;
  const dots = answer.seed === null ? [] : points.flatMap((p) => [
    svg('circle', { class: 'dot first-strike', cx: x(p.speed), cy: y(p.simulatedFirstStrikeRate), r: 2 }),
    svg('circle', { class: 'dot shut-out', cx: x(p.speed), cy: y(p.simulatedShutOutRate), r: 2 })]);
  const cursor = svg('line', { class: 'cursor', y1: TOP, y2: H - BOTTOM, visibility: 'hidden' });
  const readout = el('output', { class: 'readout', 'aria-live': 'polite', text: t('page.chart.touch') });

  const chart = svg('svg', { class: 'chart', viewBox: `0 0 ${W} ${H}`, role: 'img', tabindex: '0',
                             'aria-label': t('page.chart.label', { n: enemies }) }, [
    band, ...grid, ...ticks,
    svg('text', { class: 'axis', x: (W + LEFT) / 2, y: H - 4, 'text-anchor': 'middle', text: t('page.chart.speedAxis') }),
    svg('text', { class: 'axis', x: 4, y: 16, text: t('page.chart.rateAxis') }),
    line('exactFirstStrikeRate', 'first-strike'), line('exactShutOutRate', 'shut-out'), ...dots, cursor]);

  let shown = 0;
  function showPoint(i) {
    shown = Math.max(0, Math.min(points.length - 1, i));
    const p = points[shown], s = texts.points[shown];
    cursor.setAttribute('x1', x(p.speed));
    cursor.setAttribute('x2', x(p.speed));
    cursor.setAttribute('visibility', 'visible');
    const simulated = s.simulatedFirstStrike === null ? ''
      : t('page.chart.simulated', { fs: s.simulatedFirstStrike, so: s.simulatedShutOut });
    readout.textContent = t('page.chart.values', { speed: p.speed, fs: s.exactFirstStrike, so: s.exactShutOut, n: enemies }) +
      simulated + (p.consistent ? t('page.chart.consistent') : '');
  }
  function show(event) {
    const box = chart.getBoundingClientRect();
    const at = ((event.clientX - box.left) / box.width) * W;
    showPoint(Math.round(((at - LEFT) / (W - LEFT - RIGHT)) * (high - low)));
  }
  chart.addEventListener('pointermove', show);
  chart.addEventListener('pointerdown', show);
  // The keyboard's way along the curve: the arrows a speed at a time, Page Up and Down by ten.
  chart.addEventListener('keydown', (event) => {
    const step = { ArrowRight: 1, ArrowLeft: -1, PageUp: 10, PageDown: -10 }[event.key];
    if (step === undefined) return;
    event.preventDefault();
    showPoint(shown + step);
  });

  const legend = el('ul', { class: 'legend' }, [
    el('li', { class: 'first-strike', text: t('page.chart.firstStrike') }),
    el('li', { class: 'shut-out', text: t('page.chart.shutOut', { n: enemies }) }),
    dots.length ? el('li', { class: 'dots', text: t('page.chart.dots') }) : null,
    band ? el('li', { class: 'band', text: t('page.chart.band') }) : null]);
  return el('figure', { class: 'curve' }, [chart, legend, readout]);
}
