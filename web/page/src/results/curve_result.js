// curve's answer: the chart.
import { curveChart } from '../chart.js';

export const curveResult = ({ answer, texts }, request) => curveChart(answer, texts, request.enemies);
