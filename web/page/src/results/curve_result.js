// curve's answer: the chart, as wide as the answer's column.
import { curveChart } from '../chart.js';

export const curveResult = ({ answer, texts }, request) =>
  curveChart(answer, texts, request.enemies, document.getElementById('curve-result').clientWidth);
